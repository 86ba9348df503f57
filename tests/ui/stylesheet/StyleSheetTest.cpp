#include "support/UiTestSupport.h"
#include "ui/stylesheet/StyleSheetHooks.h"
#include "ui/commands/CommandIds.h"
#include "ui/stylesheet/CStyleCssTab.h"
#include "ui/stylesheet/CStyleEnhancementsTab.h"
#include "ui/stylesheet/CStyleHeadingLinksTab.h"
#include "ui/stylesheet/CIndexStyleDlg.h"
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <deque>

namespace torvane {
namespace {

// Answers the choosers with the queued paths and remembers what was asked.
struct FakeChoosers {
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> asked;

    StyleSheetChoosers choosers()
    {
        auto answer = [this](QWidget*, const std::string& title, const std::string& start) {
            asked.push_back(title + " @ " + start);
            auto chosen = answers.front();
            answers.pop_front();
            return chosen;
        };
        return {answer, answer};
    }
};

struct Sheet {
    test::RecordingMessages messages;
    FakeChoosers choosers;
    std::unique_ptr<CIndexStyleDlg> dialog;

    explicit Sheet(const StyleSettings& settings, bool projectMode = true)
        : dialog(std::make_unique<CIndexStyleDlg>(
              settings, StyleSheetEnvironment {projectMode, "/proj/", messages, choosers.choosers()}))
    {
    }
    StylePage* show(int index)
    {
        dialog->tabs()->setCurrentIndex(index);
        return dialog->page(index);
    }
    StyleSettings ok()
    {
        dialog->accept();
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        return dialog->settings();
    }
};

QAbstractButton* button(QWidget* page, const QString& text)
{
    for (QAbstractButton* candidate : page->findChildren<QAbstractButton*>())
        if (candidate->text() == text)
            return candidate;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

QLineEdit* edit(QWidget* page, const char* key)
{
    return page->findChild<QLineEdit*>(key);
}

TEST(StyleSheet, ShowsItsPagesBuiltWhenFirstShown)
{
    Sheet project(StyleSettings {});
    EXPECT_EQ(project.dialog->windowTitle(), "Project Style Settings");
    QStringList labels;
    for (int i = 0; i < project.dialog->tabs()->count(); ++i)
        labels << project.dialog->tabs()->tabText(i);
    EXPECT_EQ(labels, QStringList({"Links to Headings", "Group Headings", " Layout    ", "Enhanced Content",
                                   "Index Types", "CSS", "Language and Page"}));
    EXPECT_NE(project.dialog->page(0), nullptr);
    EXPECT_EQ(project.dialog->page(3), nullptr);
    EXPECT_NE(project.show(3), nullptr);

    Sheet defaults(StyleSettings {}, false);
    EXPECT_EQ(defaults.dialog->windowTitle(), "Default Style Settings");
    EXPECT_EQ(defaults.dialog->tabs()->count(), 7);
}

TEST(StyleSheet, LanguageAndPageEditsTheProjectExtensions)
{
    StyleSettings settings;
    settings.extensions.collation = "sv";
    Sheet sheet(settings);
    StylePage* page = sheet.show(6);
    ASSERT_NE(page, nullptr);
    auto* language = page->findChild<QComboBox*>("Collation");
    auto* merge = page->findChild<QCheckBox*>("Merge Case Variants");
    auto* layout = page->findChild<QButtonGroup*>("Index Layout");
    auto* epub = page->findChild<QCheckBox*>("Epub Index");
    ASSERT_TRUE(language && merge && layout && epub);
    EXPECT_EQ(language->currentData().toString(), "sv");
    EXPECT_EQ(language->currentText(), "Swedish (sv)");
    EXPECT_EQ(language->itemText(0), "Byte Order (classic)");
    EXPECT_EQ(layout->checkedId(), 0);
    EXPECT_FALSE(merge->isChecked());
    EXPECT_FALSE(epub->isChecked());

    language->setCurrentIndex(language->findData("cs"));
    merge->setChecked(true);
    epub->setChecked(true);
    layout->button(1)->click();
    const StyleSettings chosen = sheet.ok();
    EXPECT_EQ(chosen.extensions.collation, "cs");
    EXPECT_EQ(chosen.extensions.mergeCaseVariants, 1);
    EXPECT_EQ(chosen.extensions.indexLayout, 1);
    EXPECT_EQ(chosen.extensions.epubIndex, 1);
    StyleSettings others = chosen;
    others.extensions = settings.extensions;
    EXPECT_EQ(others, settings) << "no classic option changed";

    // A tag written into the file by hand, and not in the list, is kept.
    settings.extensions.collation = "de-u-co-phonebk";
    Sheet handWritten(settings);
    auto* kept = handWritten.show(6)->findChild<QComboBox*>("Collation");
    EXPECT_EQ(kept->currentData().toString(), "de-u-co-phonebk");
    EXPECT_EQ(handWritten.ok().extensions.collation, "de-u-co-phonebk");
}

// Each control changes its own option and no other.
TEST(StyleSheet, EveryControlEditsItsOwnOption)
{
    StyleSettings base;
    base.stylesheetPath = "index.css";
    struct Check {
        int page;
        const char* key;
        int StyleSettings::*field;
    };
    const Check checks[] = {
        {0, "Vertical Bars", &StyleSettings::linksVerticalBars},
        {0, "Headings Rule", &StyleSettings::headingsRule},
        {1, "Include Headings", &StyleSettings::includeHeadings},
        {1, "Groups Rule", &StyleSettings::groupsRule},
        {1, "Separate Files", &StyleSettings::separateFiles},
        {2, "Long Lines Wrap", &StyleSettings::longLinesWrap},
        {3, "Include Top", &StyleSettings::includeTop},
        {3, "Include Bottom", &StyleSettings::includeBottom},
        {4, "Html Help", &StyleSettings::htmlHelp},
        {4, "Java Help", &StyleSettings::javaHelp},
        {5, "Use NBSPs", &StyleSettings::useNbsps},
        {5, "Use Classes", &StyleSettings::useClasses},
    };
    for (const Check& check : checks) {
        SCOPED_TRACE(check.key);
        Sheet sheet(base);
        auto* box = sheet.show(check.page)->findChild<QCheckBox*>(check.key);
        ASSERT_NE(box, nullptr);
        box->setChecked(!box->isChecked());
        StyleSettings expected = base;
        expected.*check.field = 1 - base.*check.field;
        EXPECT_EQ(sheet.ok(), expected);
    }

    struct Radio {
        int page;
        const char* key;
        int id;
        int StyleSettings::*field;
        int value;
    };
    const Radio radios[] = {
        {0, "Appearance", 1, &StyleSettings::linksAppearance, 1},
        {0, "Placement", 2, &StyleSettings::linksPlacement, 2},
        {0, "Symbols", 1, &StyleSettings::linksSymbols, 1},
        {1, "Appearance", 1, &StyleSettings::groupsAppearance, 1},
        {1, "Empty Headings", 2, &StyleSettings::emptyHeadings, 2},
        {1, "Symbols", 1, &StyleSettings::groupsSymbols, 1},
        {2, "MultiLevel", 1, &StyleSettings::multiLevel, 1},
        {2, "Columns", 2, &StyleSettings::columns, 3},
        {3, "Return", 2, &StyleSettings::returnLink, 2},
    };
    for (const Radio& radio : radios) {
        SCOPED_TRACE(radio.key);
        Sheet sheet(base);
        auto* group = sheet.show(radio.page)->findChild<QButtonGroup*>(radio.key);
        ASSERT_NE(group, nullptr);
        group->button(radio.id)->setChecked(true);
        StyleSettings expected = base;
        expected.*radio.field = radio.value;
        EXPECT_EQ(sheet.ok(), expected);
    }

    struct Text {
        int page;
        const char* key;
        std::string StyleSettings::*field;
    };
    const Text texts[] = {
        {0, "Graphics Path", &StyleSettings::linksGraphicsPath},
        {1, "Graphics Path", &StyleSettings::groupsGraphicsPath},
        {2, "Page Title", &StyleSettings::pageTitle},
        {2, "Page Heading", &StyleSettings::pageHeading},
        {3, "Include Path", &StyleSettings::includePath},
        {3, "Return Text", &StyleSettings::returnText},
        {3, "Return Path", &StyleSettings::returnPath},
        {4, "Html Index Target", &StyleSettings::htmlIndexTarget},
        {4, "Html Help Window", &StyleSettings::htmlHelpWindow},
        {4, "Html Help Frame", &StyleSettings::htmlHelpFrame},
        {5, "Stylesheet Path", &StyleSettings::stylesheetPath},
        {5, "Body Attributes", &StyleSettings::bodyAttributes},
    };
    for (const Text& text : texts) {
        SCOPED_TRACE(text.key);
        Sheet sheet(base);
        QLineEdit* box = edit(sheet.show(text.page), text.key);
        ASSERT_NE(box, nullptr);
        box->setText("x/");
        StyleSettings expected = base;
        expected.*text.field = "x/";
        EXPECT_EQ(sheet.ok(), expected);
    }
}

TEST(StyleSheet, OkWithoutChangesGivesBackTheRecord)
{
    StyleSettings settings;
    settings.columns = 2;
    settings.linksGraphicsPath = "/srv/img/";
    settings.linksGraphicsPathType = 1;
    settings.returnLink = 1;
    settings.stylesheetPath = "css/a.css";
    settings.pageTitle = "";
    Sheet sheet(settings);
    for (int page = 0; page < 6; ++page)
        sheet.show(page);
    EXPECT_TRUE(button(sheet.dialog->page(2), "2")->isChecked());
    EXPECT_EQ(sheet.ok(), settings);

    // A value no button stands for is kept rather than lost.
    settings.columns = 7;
    Sheet odd(settings);
    EXPECT_EQ(odd.show(2)->findChild<QButtonGroup*>("Columns")->checkedId(), -1);
    EXPECT_EQ(odd.ok().columns, 7);
}

TEST(StyleSheet, LinksPageEnablesItsControlsByChoice)
{
    Sheet sheet(StyleSettings {});
    auto* page = static_cast<CStyleHeadingLinksTab*>(sheet.dialog->page(0));
    QAbstractButton* bars = button(page, "Separate with Vertical Bars");
    QAbstractButton* rule = button(page, "Separate from Index Entries with Horizontal Rules");
    EXPECT_FALSE(page->graphicsPath()->edit()->isEnabled());
    EXPECT_FALSE(page->graphicsPath()->label()->isEnabled());
    EXPECT_TRUE(bars->isEnabled());
    button(page, "Graphics")->click();
    EXPECT_TRUE(page->graphicsPath()->browseButton()->isEnabled());
    EXPECT_FALSE(bars->isEnabled());
    button(page, "In a Separate Frame (Top)")->click();
    EXPECT_FALSE(rule->isEnabled());
    button(page, "At the Top and Bottom")->click();
    EXPECT_TRUE(rule->isEnabled());
}

TEST(StyleSheet, GroupHeadingsPageKeepsRulesAndSeparateFilesApart)
{
    StyleSettings settings;
    settings.separateFiles = 1;
    settings.groupsRule = 1;
    settings.groupsAppearance = 1;
    {
        Sheet sheet(settings);
        EXPECT_EQ(sheet.ok().groupsRule, 1); // page never shown
    }
    Sheet sheet(settings);
    StylePage* page = sheet.show(1);
    QAbstractButton* rule = button(page, "Separate Groups with Horizontal Rules");
    QAbstractButton* files = button(page, "Put Groups in Separate Files");
    EXPECT_FALSE(rule->isChecked());
    EXPECT_FALSE(rule->isEnabled());
    files->click();
    EXPECT_TRUE(rule->isEnabled());
    rule->click();
    EXPECT_FALSE(files->isEnabled());
    rule->click();

    QLineEdit* path = edit(page, "Graphics Path");
    EXPECT_TRUE(path->isEnabled());
    button(page, "Include Group Headings")->click();
    EXPECT_FALSE(path->isEnabled());
    EXPECT_FALSE(button(page, "Text")->isEnabled());
    EXPECT_FALSE(button(page, "Graphics")->isEnabled());
    files->click();
    const StyleSettings result = sheet.ok();
    EXPECT_EQ(result.groupsRule, 0);
    EXPECT_EQ(result.separateFiles, 1);
    EXPECT_EQ(result.includeHeadings, 0);
}

TEST(StyleSheet, EnhancedContentAndIndexTypesEnableByTheirChecks)
{
    Sheet sheet(StyleSettings {});
    auto* enhance = static_cast<CStyleEnhancementsTab*>(sheet.show(3));
    EXPECT_FALSE(enhance->includePath()->edit()->isEnabled());
    button(enhance, "Include Bottom.htm")->click();
    EXPECT_TRUE(enhance->includePath()->browseButton()->isEnabled());
    QLineEdit* text = edit(enhance, "Return Text");
    EXPECT_FALSE(text->isEnabled());
    EXPECT_FALSE(enhance->returnPath()->edit()->isEnabled());
    button(enhance, "Text")->click();
    EXPECT_TRUE(text->isEnabled());
    EXPECT_FALSE(enhance->returnPath()->browseButton()->isEnabled());
    button(enhance, "Return.gif")->click();
    EXPECT_FALSE(text->isEnabled());
    EXPECT_TRUE(enhance->returnPath()->edit()->isEnabled());

    StylePage* types = sheet.show(4);
    EXPECT_TRUE(edit(types, "Html Index Target")->isEnabled());
    EXPECT_FALSE(edit(types, "Html Help Window")->isEnabled());
    EXPECT_FALSE(edit(types, "Html Help Frame")->isEnabled());
    button(types, "HTML Help (.hhk)")->click();
    button(types, "HTML (.htm)")->click();
    EXPECT_FALSE(edit(types, "Html Index Target")->isEnabled());
    EXPECT_TRUE(edit(types, "Html Help Frame")->isEnabled());
}

TEST(StyleSheet, ARefusedPageStaysInFront)
{
    Sheet sheet(StyleSettings {});
    StylePage* types = sheet.show(4);
    button(types, "HTML (.htm)")->click();
    sheet.dialog->tabs()->setCurrentIndex(0);
    EXPECT_EQ(sheet.dialog->tabs()->currentIndex(), 4);
    sheet.dialog->accept();
    EXPECT_NE(sheet.dialog->result(), QDialog::Accepted);
    ASSERT_EQ(sheet.messages.shown.size(), 2u);
    EXPECT_EQ(sheet.messages.shown[1],
              "Please correct the following errors:\n\nYou must select at least one output file type.\n");
    button(types, "JavaHelp (.xml)")->click();
    sheet.show(5);
    // The default record uses classes without a style sheet.
    sheet.dialog->accept();
    EXPECT_NE(sheet.dialog->result(), QDialog::Accepted);
    EXPECT_EQ(
        sheet.messages.shown.back(),
        "Please correct the following errors:\n\nIf you select Use Classes, you must specify a Style Sheet File.");
    edit(sheet.dialog->page(5), "Stylesheet Path")->setText(" index.css ");
    const StyleSettings result = sheet.ok();
    EXPECT_EQ(result.htmlIndex, 0);
    EXPECT_EQ(result.javaHelp, 1);
    EXPECT_EQ(result.stylesheetPath, "index.css");
}

// The sheet opens over a project window inside the area of project windows,
// which takes Ctrl+Tab for itself unless the sheet claims it.
TEST(StyleSheet, ControlTabAndPageKeysStepThroughThePages)
{
    test::RecordingMessages messages;
    QMdiArea area;
    QMdiSubWindow* projectWindow = area.addSubWindow(new QWidget);
    area.resize(600, 400);
    area.show();
    projectWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    CIndexStyleDlg sheet(StyleSettings {}, {true, "/proj/", messages}, projectWindow->widget());
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    QApplication::setActiveWindow(&sheet);
    auto press = [&sheet](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == &sheet ? focus : &sheet, key, modifiers);
        return sheet.tabs()->currentIndex();
    };
    EXPECT_EQ(press(Qt::Key_Tab, Qt::ControlModifier), 1);
    EXPECT_EQ(press(Qt::Key_PageDown, Qt::ControlModifier), 2);
    EXPECT_EQ(press(Qt::Key_PageUp, Qt::ControlModifier), 1);
    EXPECT_EQ(press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier), 0);
    EXPECT_EQ(press(Qt::Key_PageUp, Qt::ControlModifier), 6) << "wraps round to the last page";
    EXPECT_EQ(press(Qt::Key_Tab, Qt::ControlModifier), 0);
    EXPECT_EQ(area.activeSubWindow(), projectWindow);

    // A page that refuses its values keeps the keys from leaving it.
    sheet.tabs()->setCurrentIndex(4);
    button(sheet.page(4), "HTML (.htm)")->click();
    EXPECT_EQ(press(Qt::Key_PageDown, Qt::ControlModifier), 4);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(StyleSheet, ClickingALayoutSketchChoosesItsLayout)
{
    Sheet sheet(StyleSettings {});
    StylePage* layout = sheet.show(2);
    auto* multiLevel = layout->findChild<QButtonGroup*>("MultiLevel");
    ASSERT_NE(multiLevel, nullptr);
    QList<QLabel*> sketches;
    for (QLabel* label : layout->findChildren<QLabel*>())
        if (label->text().startsWith("fruit"))
            sketches << label;
    ASSERT_EQ(sketches.size(), 2);
    EXPECT_EQ(multiLevel->checkedId(), 0);
    QTest::mouseClick(sketches[1], Qt::LeftButton);
    EXPECT_EQ(multiLevel->checkedId(), 1);
    QTest::mouseClick(sketches[1], Qt::RightButton);
    QTest::mouseClick(sketches[0], Qt::LeftButton);
    EXPECT_EQ(multiLevel->checkedId(), 0);
    QTest::mouseClick(sketches[1], Qt::RightButton);
    EXPECT_EQ(multiLevel->checkedId(), 0) << "only the left button chooses";
    QTest::mouseClick(sketches[1], Qt::LeftButton);
    EXPECT_EQ(sheet.ok().multiLevel, 1);
}

TEST(StyleSheet, TypingSetsThePathTypeAndLeavingEndsFoldersWithASeparator)
{
    StyleSettings settings;
    settings.linksAppearance = 1;
    settings.includeTop = 1;
    settings.includePath = "inc/";
    Sheet sheet(settings);
    QLineEdit* links = edit(sheet.dialog->page(0), "Graphics Path");
    QTest::keyClicks(links, "pictures");
    sheet.show(3);
    EXPECT_EQ(links->text(), "pictures/");
    QLineEdit* include = edit(sheet.dialog->page(3), "Include Path");
    include->selectAll();
    QTest::keyClick(include, Qt::Key_Backspace);
    const StyleSettings result = sheet.ok();
    EXPECT_EQ(result.linksGraphicsPath, "pictures/");
    EXPECT_EQ(result.linksGraphicsPathType, 1);
    EXPECT_EQ(result.includePath, "");
    EXPECT_EQ(result.includePathType, 0);
}

TEST(StyleSheet, BrowsingStoresProjectFoldersRelative)
{
    StyleSettings settings;
    settings.linksAppearance = 1;
    settings.linksGraphicsPath = "old/";
    Sheet sheet(settings);
    auto* links = static_cast<CStyleHeadingLinksTab*>(sheet.dialog->page(0));
    sheet.choosers.answers = {std::nullopt, "/proj/images", "/srv/pictures"};
    links->graphicsPath()->browseButton()->click();
    EXPECT_EQ(links->graphicsPath()->edit()->text(), "old/");
    links->graphicsPath()->browseButton()->click();
    EXPECT_EQ(links->graphicsPath()->edit()->text(), "images/");
    EXPECT_TRUE(sheet.messages.shown.empty());
    links->graphicsPath()->browseButton()->click();
    EXPECT_EQ(sheet.choosers.asked,
              std::vector<std::string>({"Select Links to Headings Graphics Directory @ /proj/old",
                                        "Select Links to Headings Graphics Directory @ /proj/old",
                                        "Select Links to Headings Graphics Directory @ /proj/images"}));
    ASSERT_EQ(sheet.messages.shown.size(), 1u);
    EXPECT_EQ(sheet.messages.shown[0], outsideProjectMessage("the image files"));

    auto* css = static_cast<CStyleCssTab*>(sheet.show(5));
    sheet.choosers.answers = {"/proj/css/site.css"};
    css->stylesheetPath()->browseButton()->click();
    EXPECT_EQ(sheet.choosers.asked.back(), "Select Style Sheet @ /proj");
    const StyleSettings result = sheet.ok();
    EXPECT_EQ(result.linksGraphicsPath, "/srv/pictures/");
    EXPECT_EQ(result.linksGraphicsPathType, 1);
    EXPECT_EQ(result.stylesheetPath, "css/site.css");
    EXPECT_EQ(result.stylesheetPathType, 0);
}

TEST(StyleSheet, DefaultsKeepBrowsedFoldersAbsoluteWithoutAMessage)
{
    Sheet sheet(StyleSettings {}, false);
    auto* enhance = static_cast<CStyleEnhancementsTab*>(sheet.show(3));
    sheet.choosers.answers = {"/proj/inc", "/proj"};
    enhance->includePath()->browse();
    enhance->returnPath()->browse();
    EXPECT_TRUE(sheet.messages.shown.empty());
    const StyleSettings result = sheet.ok();
    EXPECT_EQ(result.includePath, "/proj/inc/");
    EXPECT_EQ(result.includePathType, 1);
    EXPECT_EQ(result.returnPath, "/proj/");
    EXPECT_EQ(result.returnPathType, 1);
    EXPECT_EQ(sheet.choosers.asked.front(), "Select Include Directory @ /proj");
}

TEST(StyleSheetHooks, ProjectSettingsChangeTheProjectOnOkOnly)
{
    test::TempDir dir;
    test::UiTestApp app;
    auto document = std::make_unique<CProjectDoc>(app.services);
    ASSERT_TRUE(document->openProject(test::writeSampleProject(dir)));
    CProjectWnd::Hooks hooks;
    FrameHooks frame;
    installProjectStyleSheetHook(hooks, app.services);
    installDefaultStyleSheetHook(frame, app.services);
    CProjectWnd window(std::move(document), app.services, hooks);
    const StyleSettings before = window.document().styles();
    ASSERT_TRUE(window.canRun(CmdProjectStyleSettings));
    // The frame brings Make Index up to date with the output types.
    QSignalSpy commandsChanged(&window, &CProjectWnd::refreshed);

    test::whenModalOpens<CIndexStyleDlg>([](CIndexStyleDlg& sheet) {
        sheet.tabs()->setCurrentIndex(2);
        sheet.page(2)->findChild<QButtonGroup*>("Columns")->button(2)->setChecked(true);
        sheet.reject();
    });
    window.runCommand(CmdProjectStyleSettings);
    EXPECT_FALSE(window.document().isModified());
    EXPECT_EQ(window.document().styles(), before);
    EXPECT_EQ(commandsChanged.count(), 0);

    test::whenModalOpens<CIndexStyleDlg>([](CIndexStyleDlg& sheet) { sheet.accept(); });
    window.runCommand(CmdProjectStyleSettings);
    EXPECT_TRUE(window.document().isModified());
    EXPECT_EQ(commandsChanged.count(), 1);
    EXPECT_EQ(window.document().styles(), before);

    test::whenModalOpens<CIndexStyleDlg>([](CIndexStyleDlg& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "Project Style Settings");
        sheet.tabs()->setCurrentIndex(2);
        sheet.page(2)->findChild<QButtonGroup*>("Columns")->button(2)->setChecked(true);
        sheet.accept();
    });
    window.runCommand(CmdProjectStyleSettings);
    EXPECT_EQ(window.document().styles().columns, 3);
}

TEST(StyleSheetHooks, DefaultSettingsAreReadFromAndSavedToTheProfile)
{
    test::UiTestApp app;
    CProjectWnd::Hooks hooks;
    FrameHooks frame;
    installProjectStyleSheetHook(hooks, app.services);
    installDefaultStyleSheetHook(frame, app.services);
    ASSERT_TRUE(frame.defaultStyleSettings);
    app.profile.writeString("Layout", "Page Title", "Contents");
    app.profile.writeInt("CSS", "Indent Method", 0);

    test::whenModalOpens<CIndexStyleDlg>([](CIndexStyleDlg& sheet) { sheet.reject(); });
    frame.defaultStyleSettings(nullptr);
    EXPECT_EQ(app.profile.values.size(), 2u);

    test::whenModalOpens<CIndexStyleDlg>([](CIndexStyleDlg& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "Default Style Settings");
        sheet.tabs()->setCurrentIndex(2);
        QLineEdit* title = sheet.page(2)->findChild<QLineEdit*>("Page Title");
        EXPECT_EQ(title->text(), "Contents");
        title->setText("Book Index");
        sheet.accept();
    });
    frame.defaultStyleSettings(nullptr);
    EXPECT_EQ(app.profile.values["Layout|Page Title"], "Book Index");
    EXPECT_EQ(app.profile.values.count("CSS|Indent Method"), 0u);
    const StyleSettings saved = loadDefaults(app.profile);
    EXPECT_EQ(saved.useNbsps, 1);
    EXPECT_EQ(saved.useClasses, 0);
    EXPECT_EQ(saved.extensions, TorvaneExtensions {});
    for (const auto& [key, value] : app.profile.values)
        EXPECT_FALSE(key.starts_with("Torvane Extensions|")) << key;

    // The language and page chosen there start new projects.
    test::whenModalOpens<CIndexStyleDlg>([](CIndexStyleDlg& sheet) {
        sheet.tabs()->setCurrentIndex(6);
        auto* language = sheet.page(6)->findChild<QComboBox*>("Collation");
        language->setCurrentIndex(language->findData("de"));
        sheet.page(6)->findChild<QButtonGroup*>("Index Layout")->button(1)->click();
        sheet.accept();
    });
    frame.defaultStyleSettings(nullptr);
    EXPECT_EQ(app.profile.values["Torvane Extensions|Collation"], "de");
    EXPECT_EQ(app.profile.values["Torvane Extensions|Index Layout"], "1");
    EXPECT_EQ(app.profile.values.count("Torvane Extensions|Merge Case Variants"), 0u);
}

} // namespace
} // namespace torvane
