// Takes a picture of the real main window for a person to look at: run it
// in a virtual display (xvfb-run) from a folder holding db.sqlite3.
//   zorvik_window_shot [--lang ja|en] OUTPUT.png [PROGRAM_FOLDER]
//                      [about|update|detail [ROW]|unsaved [ROW]|animation [ROW]|
//                      battle-menu|fit-columns|grid [PAGES]|ACTION [TAB|accept]]
// The program folder (Settings.ini, ColumnName, FighterList) defaults to the
// tool's own folder; the window is shown in its Language setting unless
// "--lang ja|en" names one; "about" opens the About box
// first, "update" starts a list update (a large MainDir keeps its progress dialog up for the
// picture), "detail" selects the list row ROW (0 when not given) and switches the detailed view on,
// "unsaved" types a note into the COMMENT of the row ROW (0 when not given) and then selects the
// next row, so that the question whether to save the note is up,
// "animation" selects the row ROW with the standing animation switched on and also writes
// OUTPUT-1.png to OUTPUT-4.png, the portrait box enlarged four times a sixth of a second apart,
// and shows and prints the box's tool tip when it has one (why there is no animation),
// "battle-menu" right-clicks the first row and opens the popup's battle submenu, "fit-columns"
// widens the list's columns to their texts as a user would drag them (FILENAME is 10 pixels wide by
// default), "grid" switches to the portrait grid and presses Page Down PAGES times in it (0 when
// not given), any other word triggers the window's action of that object name (O1: the settings
// dialog, whose tab TAB, counted from 1, is brought to the front; Check1: the collection check,
// whose report's tab TAB is); "accept" after it then presses the default button of the dialog the
// action opened (to see what follows it). The screen is grabbed around the window and every window
// shown over it, so message boxes, dialogs, the check's report and menus show too. The process's
// resident memory at the moment of the picture is printed.
#include <cstdio>
#include <optional>
#include <string>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QTimer>
#include <QTreeView>

#include "core/platform/folders.h"
#include "core/settings/language.h"
#include "core/settings/settings_files.h"
#include "gui/app/program_translation.h"
#include "gui/grid/portrait_grid_switch.h"
#include "gui/grid/portrait_loader.h"
#include "gui/platform/desktop_shell.h"
#include "gui/platform/file_dialogs.h"
#include "gui/platform/message_boxes.h"
#include "gui/window/main_window.h"
#include "support/resident_memory.h"

namespace {

constexpr int kSettleTime = 1500;

bool grabAround(const QWidget& window, const QString& output) {
    QRect area = window.frameGeometry();
    // Dialogs over the window, modal or not (the check's report stays open beside it).
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other->isVisible() && other->isWindow()) {
            area |= other->frameGeometry();
        }
    }
    area.adjust(-8, -8, 8, 8);
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(output);
}

// Selects a list row and shows every row of the detail grid.
void showDetail(const QWidget& form, int row) {
    auto* list = form.findChild<QTreeView*>(QStringLiteral("ListView1"));
    list->setCurrentIndex(list->model()->index(row, 0));
    auto* detailedView = form.findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
    if (!detailedView->isChecked()) {
        detailedView->click();
    }
}

// Types a note into the COMMENT of a list row, then selects the next row:
// the save question comes up (and this returns when it is answered).
void askToSave(const QWidget& form, int row) {
    auto* list = form.findChild<QTreeView*>(QStringLiteral("ListView1"));
    list->setCurrentIndex(list->model()->index(row, 0));
    auto* grid = form.findChild<QTableView*>(QStringLiteral("DGrid"));
    const bool english =
        form.findChild<QPushButton*>(QStringLiteral("Button2"))->text() != u"上記内容で更新";
    const QModelIndex comment = grid->model()->index(7, 1);
    grid->setCurrentIndex(comment);
    grid->model()->setData(comment,
                           english ? QStringLiteral("Beaten on the hard AI, 12P palette")
                                   : QStringLiteral("AI 強設定で撃破。12P カラーがおすすめ"),
                           Qt::EditRole);
    list->setCurrentIndex(list->model()->index(row + 1, 0));
}

// Every list column as wide as its texts.
void fitColumns(const QWidget& form) {
    auto* list = form.findChild<QTreeView*>(QStringLiteral("ListView1"));
    list->header()->resizeSections(QHeaderView::ResizeToContents);
}

// The portrait grid on show, pages Page Downs into it, its current portrait
// selected. Many pages take longer than the picture's timer: the page
// reached is then drawn once its portraits are decoded, as it is a moment later.
void showGrid(zorvik::gui::TForm1& form, int pages) {
    form.findChild<QAction*>(QStringLiteral("PortraitGrid1"))->setChecked(true);
    auto* grid = form.findChild<QListView*>(QStringLiteral("PortraitGrid"));
    grid->setCurrentIndex(grid->model()->index(0, 0));
    QElapsedTimer keys;
    keys.start();
    for (int page = 0; page < pages; ++page) {
        QTest::keyClick(grid, Qt::Key_PageDown);
    }
    std::printf("%d Page Downs: %lld ms\n", pages, static_cast<long long>(keys.elapsed()));
    grid->viewport()->repaint();
    form.portraitGrid().loader().finishAll();
    grid->viewport()->repaint();
}

// A right-click on the first row, then the popup's "対戦" item opened by the arrow key.
void openBattleMenu(QWidget& form) {
    auto* list = form.findChild<QTreeView*>(QStringLiteral("ListView1"));
    const QModelIndex first = list->model()->index(0, 0);
    list->setCurrentIndex(first);
    const QPoint at = list->visualRect(first).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &click);
    auto* popup = form.findChild<QMenu*>(QStringLiteral("PopupMenu3"));
    popup->setActiveAction(form.findChild<QMenu*>(QStringLiteral("N8"))->menuAction());
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(popup, &right);
}

// Selects a list row with the standing animation switched on.
void showAnimation(const QWidget& form, int row) {
    auto* animation = form.findChild<QToolButton*>(QStringLiteral("AnimationSwitch"));
    if (!animation->isChecked()) {
        animation->click();
    }
    auto* list = form.findChild<QTreeView*>(QStringLiteral("ListView1"));
    list->setCurrentIndex(list->model()->index(row, 0));
}

// The portrait box's tool tip, shown over it and printed, when it has one
// (why a character shows no animation).
void showBoxToolTip(const QWidget& form) {
    auto* box = form.findChild<QWidget*>(QStringLiteral("Img"));
    if (box->toolTip().isEmpty()) {
        return;
    }
    QToolTip::showText(box->mapToGlobal(box->rect().center()), box->toolTip(), box);
    std::printf("tool tip: %s\n", box->toolTip().toUtf8().constData());
}

// The portrait box enlarged, at four moments of its animation.
void grabFrames(const QWidget& form, const QString& output) {
    auto* box = form.findChild<QWidget*>(QStringLiteral("Img"));
    QString stem = output;
    stem.chop(4); // ".png"
    for (int k = 1; k <= 4; ++k) {
        QTimer::singleShot(k * 1000 / 6, box, [box, stem, k] {
            box->grab().scaled(box->size() * 2).save(stem + QStringLiteral("-%1.png").arg(k));
        });
    }
}

// The default button of the dialog that is up, as Enter would press it.
void acceptModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        return;
    }
    for (QPushButton* button : modal->findChildren<QPushButton*>()) {
        if (button->isDefault()) {
            button->click();
            return;
        }
    }
}

// The arguments without a leading "--lang ja|en", and the language it names.
QStringList takeLanguage(QStringList arguments, std::optional<zorvik::Language>& language) {
    if (arguments.size() > 2 && arguments[1] == QStringLiteral("--lang")) {
        language = arguments[2] == QStringLiteral("en") ? zorvik::Language::English
                                                        : zorvik::Language::Japanese;
        arguments.remove(1, 2);
    }
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    std::optional<zorvik::Language> language;
    const QStringList arguments = takeLanguage(QApplication::arguments(), language);
    if (arguments.size() < 2) {
        return 2;
    }
    const QString output = arguments[1];
    const std::string folder =
        arguments.size() > 2 ? arguments[2].toStdString() : zorvik::platform::executableFolder();
    const QString mode = arguments.size() > 3 ? arguments[3] : QString();
    const QString firstAction = mode == QStringLiteral("about")    ? QStringLiteral("V1")
                                : mode == QStringLiteral("update") ? QStringLiteral("N1")
                                                                   : mode;
    const int tab = arguments.size() > 4 ? arguments[4].toInt() : 0;
    const zorvik::SettingsFolders folders{folder, zorvik::platform::currentFolder()};
    // Unless named, in the language of the folder's Settings.ini, as the program would start.
    const zorvik::gui::ProgramTranslation translation(language.value_or(zorvik::resolvedLanguage(
        zorvik::SettingsFiles(folders).load().DisplayLanguage, zorvik::processEnvironment())));
    zorvik::gui::MessageBoxes messages;
    zorvik::gui::DesktopShell shell;
    zorvik::gui::FileDialogs choosers;
    zorvik::gui::TForm1 form(messages, shell, choosers, folders);
    bool saved = false;
    // An update is caught while its dialog is up, shortly after it starts.
    const int grabTime = mode == QStringLiteral("update") ? kSettleTime / 2 + 200 : kSettleTime;
    QTimer::singleShot(grabTime, &form, [&] {
        saved = grabAround(form, output);
        std::printf("resident memory: %ld kB\n", zorvik::test::residentKilobytes());
        // A box shown inside the window's show ends first; then the window closes.
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->hide();
        }
        QTimer::singleShot(0, &form, &QWidget::close);
    });
    if (mode == QStringLiteral("detail")) {
        const int row = arguments.size() > 4 ? arguments[4].toInt() : 0;
        QTimer::singleShot(kSettleTime / 2, &form, [&form, row] { showDetail(form, row); });
    } else if (mode == QStringLiteral("unsaved")) {
        const int row = arguments.size() > 4 ? arguments[4].toInt() : 0;
        QTimer::singleShot(kSettleTime / 2, &form, [&form, row] { askToSave(form, row); });
    } else if (mode == QStringLiteral("fit-columns")) {
        QTimer::singleShot(kSettleTime / 2, &form, [&form] { fitColumns(form); });
    } else if (mode == QStringLiteral("grid")) {
        const int pages = arguments.size() > 4 ? arguments[4].toInt() : 0;
        QTimer::singleShot(kSettleTime / 2, &form, [&form, pages] { showGrid(form, pages); });
    } else if (mode == QStringLiteral("animation")) {
        const int row = arguments.size() > 4 ? arguments[4].toInt() : 0;
        QTimer::singleShot(kSettleTime / 2, &form, [&form, row] { showAnimation(form, row); });
        QTimer::singleShot(kSettleTime - 800, &form, [&form, output] { grabFrames(form, output); });
        QTimer::singleShot(kSettleTime - 300, &form, [&form] { showBoxToolTip(form); });
    } else if (mode == QStringLiteral("battle-menu")) {
        QTimer::singleShot(kSettleTime / 2, &form, [&] { openBattleMenu(form); });
    } else if (!firstAction.isEmpty()) {
        QTimer::singleShot(kSettleTime / 2, &form, [&] {
            if (auto* action = form.findChild<QAction*>(firstAction)) {
                action->trigger();
            }
        });
        if (arguments.size() > 4 && arguments[4] == QStringLiteral("accept")) {
            QTimer::singleShot(kSettleTime * 3 / 4, &form, acceptModal);
        }
    }
    if (tab > 0) {
        QTimer::singleShot(kSettleTime * 3 / 4, &form, [tab] {
            for (QWidget* dialog : QApplication::topLevelWidgets()) {
                for (const char* name : {"PageControl1", "CheckTabs"}) {
                    if (auto* tabs = dialog->findChild<QTabWidget*>(QString::fromLatin1(name))) {
                        tabs->setCurrentIndex(tab - 1);
                    }
                }
            }
        });
    }
    form.show();
    QApplication::exec();
    return saved ? 0 : 1;
}
