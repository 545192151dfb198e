#include "params/CollapsiblePanel.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace cfq {

CollapsiblePanel::CollapsiblePanel(const char* objectName, QWidget* parent) : QWidget(parent)
{
    setObjectName(QString::fromLatin1(objectName));
    m_header = new QToolButton(this);
    m_header->setObjectName(objectName + QStringLiteral("_Header"));
    m_header->setCheckable(true);
    m_header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_header->setFixedHeight(kHeaderHeight);
    m_header->setAutoRaise(true);
    m_header->setStyleSheet(QStringLiteral("QToolButton { font-weight: bold; text-align: left;"
                                           " background-color: rgb(222,226,232); border: 1px solid"
                                           " rgb(190,196,206); padding-left: 4px; }"));

    m_body = new QWidget(this);
    m_body->setObjectName(objectName + QStringLiteral("_Body"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_header);
    layout->addWidget(m_body);

    connect(m_header, &QToolButton::toggled, this, &CollapsiblePanel::setExpanded);
    setExpanded(true);
}

void CollapsiblePanel::setCaption(const QString& caption)
{
    m_header->setText(caption);
}

QString CollapsiblePanel::caption() const
{
    return m_header->text();
}

void CollapsiblePanel::setBodyHeight(int height)
{
    m_body->setFixedHeight(height);
}

bool CollapsiblePanel::expanded() const
{
    return m_body->isVisibleTo(this);
}

void CollapsiblePanel::setExpanded(bool expanded)
{
    m_header->setChecked(expanded);
    m_header->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
    m_body->setVisible(expanded);
}

} // namespace cfq
