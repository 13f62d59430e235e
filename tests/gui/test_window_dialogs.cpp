// The dialogs and the help as a German user meets them: every button text German, each window
// opened over the main window, the help titled by what it explains.
#include "gui/exit_dialog.h"
#include "gui/na_select_dialog.h"
#include "gui/options_dialog.h"
#include "platform/env/qt_message_box.h"
#include "platform/env/vyk_help.h"
#include "window_fixture.h"
#include <QAbstractButton>
#include <QMessageBox>
#include <set>

namespace {

// Qt's own English texts of the standard buttons, without their shortcut marks.
const std::set<QString> kEnglish = {"Cancel", "Abort", "Yes", "No", "Yes to All", "No to All", "Help",
                                    "Close", "Apply", "Save", "Save All", "Open", "Discard", "Reset",
                                    "Restore Defaults", "Retry", "Ignore"};

QString plain(QString text) { return text.remove(QLatin1Char('&')); }

// Centres within a pixel or two: frames are rounded to whole pixels.
void expect_centred(const QWidget* dialog, const QWidget* window, const std::string& what)
{
    const QPoint d = dialog->frameGeometry().center() - window->frameGeometry().center();
    EXPECT_LE(d.manhattanLength(), 2) << what << " at " << dialog->frameGeometry().x() << ","
                                      << dialog->frameGeometry().y();
}

} // namespace

TEST_F(WindowTest, DialogsOpenOverTheWindowWithGermanButtons)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    open(*d);
    w->move(300, 200);
    QCoreApplication::processEvents();
    const struct {
        const char* action;
        std::function<QWidget*()> dialog;
    } dialogs[] = {{"actionEnde", [&] { return static_cast<QWidget*>(w->exitDialog()); }},
                   {"actionEinstellungen", [&] { return static_cast<QWidget*>(w->optionsDialog()); }},
                   {"actionNationalerAnhang", [&] { return static_cast<QWidget*>(w->naSelectDialog()); }}};
    for (const auto& entry : dialogs) {
        find<QAction>(entry.action)->trigger();
        QCoreApplication::processEvents();
        QWidget* dialog = entry.dialog();
        ASSERT_TRUE(dialog->isVisible()) << entry.action;
        expect_centred(dialog, w.get(), entry.action);
        if (const char* keep = std::getenv("TAVO_KEEP_SHOT"))
            dialog->grab().save(QString::fromLocal8Bit(keep) + "_" + dialog->objectName() + ".png");
        int shown = 0;
        for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
            if (!b->isVisible() || b->text().isEmpty()) continue;
            ++shown;
            EXPECT_EQ(kEnglish.count(plain(b->text())), 0u) << entry.action << ": " << b->text().toStdString();
        }
        EXPECT_GT(shown, 0) << entry.action;
        dialog->hide();
    }
    // The national-annex dialog's buttons, by name.
    const auto* box = w->naSelectDialog()->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    EXPECT_EQ(box->button(QDialogButtonBox::Ok)->text().toStdString(), "OK");
    EXPECT_EQ(box->button(QDialogButtonBox::Abort)->text().toStdString(), "Abbrechen");
}

// Every message box the program shows answers in German.
TEST(MessageBoxes, ButtonsSpeakGerman)
{
    const struct {
        QMessageBox::StandardButtons buttons;
        std::vector<std::string> texts;
    } cases[] = {{QMessageBox::Ok, {"OK"}},
                 {QMessageBox::Yes | QMessageBox::No, {"&Ja", "&Nein"}},
                 {QMessageBox::Ok | QMessageBox::Cancel, {"OK", "Abbrechen"}},
                 {QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, {"Abbrechen", "Wiederholen", "Ignorieren"}}};
    for (const auto& c : cases) {
        const auto box = qt_make_message_box(QMessageBox::Warning, QStringLiteral("T"), QStringLiteral("x"), c.buttons);
        std::vector<std::string> texts;
        for (QAbstractButton* b : box->buttons()) texts.push_back(b->text().toStdString());
        std::sort(texts.begin(), texts.end());
        std::vector<std::string> want = c.texts;
        std::sort(want.begin(), want.end());
        EXPECT_EQ(texts, want);
    }
}

TEST_F(WindowTest, HelpIsTitledByWhatItExplainsAndOpensOverTheWindow)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    open(*d);
    w->move(250, 150);
    QCoreApplication::processEvents();
    for (const auto& topic : {std::make_pair("haupt", "Hilfe zum Hauptfenster"),
                              std::make_pair("optionen", "Hilfe zu den Einstellungen")}) {
        QWidget* help = Helpview_window(topic.first);
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->windowTitle().toStdString(), topic.second);
        expect_centred(help, w.get(), topic.first);
    }
    Helpview_window("haupt")->close();
}
