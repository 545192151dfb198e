#include "options/UAbout.h"

#include "app/AppState.h"
#include "app/DialogParts.h"
#include "app/MakerSite.h"
#include "app/ModelIdentity.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

namespace cfq {
namespace {

constexpr int kClientWidth = 425;
constexpr int kClientHeight = 148;
constexpr int kTextLeft = 124;
constexpr int kValueLeft = 236;

// The converter as a DIN-rail module: grey housing, status lights, the
// EtherCAT and Ethernet sockets at the top and the serial terminal block
// at the bottom.
QPixmap productPicture()
{
    QPixmap picture(100, 128);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    p.setPen(QPen(QColor(70, 70, 70), 1.5));
    p.setBrush(QColor(210, 212, 215));
    p.drawRoundedRect(QRectF(14, 4, 72, 120), 6, 6);
    p.setBrush(QColor(38, 98, 168));
    p.drawRect(QRectF(14, 40, 72, 22));
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(14, 40, 72, 22), Qt::AlignCenter, QStringLiteral("CFQ4410"));

    p.setPen(QPen(QColor(50, 50, 50), 1));
    p.setBrush(QColor(60, 60, 60));
    for (int socket = 0; socket < 3; ++socket)
        p.drawRect(QRectF(20 + socket * 21, 10, 17, 14));
    const QColor lights[] = {QColor(40, 190, 70), QColor(40, 190, 70), QColor(240, 170, 30),
                             QColor(210, 50, 50)};
    for (int light = 0; light < 4; ++light) {
        p.setBrush(lights[light]);
        p.drawEllipse(QPointF(26 + light * 16, 74), 3.5, 3.5);
    }
    p.setBrush(QColor(40, 130, 60));
    p.drawRect(QRectF(22, 94, 56, 20));
    p.setBrush(QColor(190, 190, 190));
    for (int screw = 0; screw < 5; ++screw)
        p.drawEllipse(QPointF(28 + screw * 11, 104), 3.5, 3.5);
    return picture;
}

} // namespace

TFAbout::TFAbout(AppState& state, Services services, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(std::move(services))
{
    setObjectName(QStringLiteral("TFAbout"));
    setWindowTitle(QStringLiteral("About..."));
    applyDialogBackground(this);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(productPicture());
    Image2->setGeometry(10, 10, 100, 128);

    Label1 = addLabel("Label1", QStringLiteral("Software Mavrel "), kTextLeft, 10);
    QFont titleFont = Label1->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 2);
    Label1->setFont(titleFont);
    Label1->adjustSize();
    Label2 = addLabel("Label2", QString(), kTextLeft, 32);
    addLabel("Label3", QStringLiteral("Software Code : "), kTextLeft, 56);
    Label9 = addLabel("Label9", QString(), kValueLeft, 56);
    addLabel("Label5", QStringLiteral("Version :"), kTextLeft, 74);
    Label10 = addLabel("Label10", QString(), kValueLeft, 74);
    addLabel("Label6", QStringLiteral("Document Code :"), kTextLeft, 92);
    Label12 = addLabel("Label12", QString(), kValueLeft, 92);

    Label4 = addLabel("Label4", QString::fromStdString(maker::displayAddress()), kTextLeft, 120);
    Label4->setStyleSheet(QStringLiteral("color: rgb(0, 70, 160); text-decoration: underline;"));
    for (QLabel* link : {Image2, Label4}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }

    LbButton1 = makeButton(this, "LbButton1", 80, 26);
    LbButton1->setText(QStringLiteral("OK"));
    LbButton1->move(kClientWidth - 80 - 12, kClientHeight - 26 - 10);
    connect(LbButton1, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(kClientWidth, kClientHeight);
}

QLabel* TFAbout::addLabel(const char* name, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

void TFAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFAbout::FormShow()
{
    Label2->setText(QString::fromStdString(m_state.SW_Desc));
    Label9->setText(QString::fromLatin1(model::kSoftwareCode));
    Label10->setText(QString::fromLatin1(model::kSoftwareVersion));
    Label12->setText(QString::fromLatin1(model::kManualCode));
    for (QLabel* value : {Label2, Label9, Label10, Label12})
        value->adjustSize();
    setFixedSize(kClientWidth, kClientHeight);
}

bool TFAbout::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == Image2 || watched == Label4) && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        m_services.openUrl(maker::homePageUrl());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace cfq
