#include "LocalHttpServer.h"
#include "app/AppState.h"
#include "app/UMavreloFirmWare.h"
#include "i18n/Language.h"
#include "options/USoftOptions.h"
#include "support/GuiTestSupport.h"
#include "support/RecordingMessages.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

namespace cfq {

// The shipped languages' texts fit the components of the main window and of
// the dialogs that show them.
class TranslationFitTest : public QObject
{
    Q_OBJECT

private:
    // Labels and buttons shown in the window whose text needs more room than
    // the component or its parent gives.
    static QStringList clippedTexts(QWidget* window)
    {
        QStringList clipped;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(widget);
            if (!widget->isVisible())
                continue;
            if (label && label->wordWrap()) {
                if (label->heightForWidth(label->width()) > label->height())
                    clipped << QStringLiteral("%1 (too many lines)").arg(widget->objectName());
                continue;
            }
            if (!label && !qobject_cast<QAbstractButton*>(widget))
                continue;
            const int needed = widget->sizeHint().width();
            if (needed > widget->width() || widget->x() + needed > widget->parentWidget()->width())
                clipped << QStringLiteral("%1 (%2 px needed, %3 px given)")
                               .arg(widget->objectName())
                               .arg(needed)
                               .arg(std::min(widget->width(), widget->parentWidget()->width() - widget->x()));
        }
        return clipped;
    }

private slots:
    void textsFitTheirComponents_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("English");
        QTest::newRow("Italiano") << QStringLiteral("Italiano");
        QTest::newRow("Deutsch") << QStringLiteral("Deutsch");
    }

    void textsFitTheirComponents()
    {
        QFETCH(QString, language);
        test::TempDir dir;
        for (const char* shipped : {"Italiano.lng", "Deutsch.lng"}) {
            const auto source = std::filesystem::path(CFQ_TRANSLATIONS_DIR) / shipped;
            test::writeFile(dir / "LANGUAGE" / shipped, test::readFile(source));
        }
        test::RecordingMessages messages;
        AppState state;
        test::LocalHttpServer server(test::LocalHttpServer::okReply("VER. 1.002"));
        TFMavreloFirmWare main(state, {messages, [](const std::string&) {}, server.url().toStdString()},
                               dir.path());
        state.Language_Name = language.toStdString();
        Load_Language(state);
        QCOMPARE(QString::fromStdString(state.Language_Name), language);
        main.Change_Language();

        // The new-version link shows too.
        main.Timer_UpdateTimer();
        QTRY_VERIFY(!main.findChild<QLabel*>(QStringLiteral("LL_Update"))->isHidden());
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QStringList clippedMain = clippedTexts(&main);
        QVERIFY2(clippedMain.isEmpty(), qPrintable(clippedMain.join(QStringLiteral(", "))));

        for (const char* name : {"TFNew_Project", "TFOpenConf", "TFSoftOptions"}) {
            auto* dialog = main.findChild<QDialog*>(QString::fromLatin1(name));
            dialog->show();
            auto* pages = dialog->findChild<QTabWidget*>();
            for (int page = 0; page < (pages ? pages->count() : 1); ++page) {
                if (pages)
                    pages->setCurrentIndex(page);
                const QStringList clipped = clippedTexts(dialog);
                QVERIFY2(clipped.isEmpty(),
                         qPrintable(QString::fromLatin1(name) + ": " + clipped.join(", ")));
            }
            dialog->hide();
        }
    }
};

} // namespace cfq

QTEST_MAIN(cfq::TranslationFitTest)
#include "TranslationFitTest.moc"
