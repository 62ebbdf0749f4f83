#pragma once

#include <optional>
#include <string>

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "core/discovery/candidate.h"
#include "gui/check/check_report_window.h"
#include "gui/check/collection_check_action.h"
#include "gui/list/character_list_pane.h"
#include "gui_support/main_window_fixture.h"

namespace zorvik::test {

// A .def with a name, an author and a [Files] section naming one .cns.
inline std::string defNaming(const std::string& name, const std::string& cns) {
    return "[Info]\r\nname = \"" + name +
           "\"\r\nauthor = \"Elecbyte\"\r\n\r\n[Files]\r\ncns = " + cns + "\r\n";
}

// A collection with one problem of each kind planted, registered as the
// list update leaves it, and the check run from the ツール menu.
//   1 kfm     sound
//   2 broken  its .def names an absent .cns
//   3 ryu     same name and author as 4, same portrait as 1
//   4 ryu2
//   5 ghost   folder gone, marked missing by an update
//   6 gone    folder gone, not marked yet
class CheckWindow : public MainWindowFixture {
protected:
    void SetUp() override {
        addFolder("kfm", "Kung Fu Man", "Elecbyte", "kfm.cns");
        temp.write("chars/kfm/KFM.CNS", "x"); // found ignoring case
        addFolder("broken", "Broken", "Elecbyte", "absent.cns");
        addFolder("ryu", "Ryu", "Capcom", "");
        addFolder("ryu2", "ryu ", " CAPCOM", "");
        addRow("Ghost", "", "ghost", 2);
        addRow("Gone", "", "gone", 0);
        for (const char* fileName : {"kfm", "ryu"}) {
            insertRow("UPDATE CHARACTER_TABLE SET IMAGE=? WHERE FILENAME=?",
                      {BoundValue::ofBlob("same portrait"), BoundValue::ofText(fileName)});
        }
        writeSettings("[General]\nFirstRun=0\nMainDir=" + temp.file("chars") + "\n");
        open();
    }

    void addFolder(const std::string& folder, const std::string& name, const std::string& author,
                   const std::string& cns) {
        temp.write("chars/" + folder + "/" + folder + ".def",
                   cns.empty() ? defText(name) : defNaming(name, cns));
        addRow(name, author, folder, 0);
    }
    static std::string defText(const std::string& name) {
        return "[Info]\r\nname = \"" + name + "\"\r\n";
    }
    void addRow(const std::string& name, const std::string& author, const std::string& fileName,
                int deleted) {
        insertRow("INSERT INTO CHARACTER_TABLE(NAME, AUTHOR, FILENAME, FILETYPE, DELETED) "
                  "VALUES(?, ?, ?, ?, ?)",
                  {BoundValue::ofText(name), BoundValue::ofText(author),
                   BoundValue::ofText(fileName), BoundValue::ofInt(kFolderCharacter),
                   BoundValue::ofInt(deleted)});
    }

    gui::CheckReportWindow* runCheck() {
        find<QAction>("Check1")->trigger();
        return form->collectionCheck().reportWindow();
    }

    template <typename Widget> Widget* reportPart(const char* name) const {
        auto* window = form->collectionCheck().reportWindow();
        return window ? window->findChild<Widget*>(QString::fromLatin1(name)) : nullptr;
    }
    QTreeWidget* reportList(const char* name) const { return reportPart<QTreeWidget>(name); }

    // Each top-level row of a list as its columns' texts, joined by "|";
    // a group's members follow their heading, indented.
    static Texts rows(const QTreeWidget& list) {
        Texts texts;
        for (int k = 0; k < list.topLevelItemCount(); ++k) {
            const QTreeWidgetItem* item = list.topLevelItem(k);
            texts.push_back(join(*item));
            for (int child = 0; child < item->childCount(); ++child) {
                texts.push_back("  " + join(*item->child(child)));
            }
        }
        return texts;
    }
    static std::string join(const QTreeWidgetItem& item) {
        QStringList columns;
        for (int column = 0; column < item.columnCount(); ++column) {
            columns << item.text(column);
        }
        while (!columns.isEmpty() && columns.last().isEmpty()) {
            columns.removeLast();
        }
        return columns.join(QLatin1Char('|')).toStdString();
    }

    Texts tabCaptions() const {
        auto* tabs = reportPart<QTabWidget>("CheckTabs");
        Texts captions;
        for (int k = 0; k < tabs->count(); ++k) {
            captions.push_back(tabs->tabText(k).toStdString());
        }
        return captions;
    }

    // Brings the list's tab to the front, then double-clicks the item.
    void doubleClick(QTreeWidget& list, QTreeWidgetItem* item) {
        auto* tabs = reportPart<QTabWidget>("CheckTabs");
        QWidget* page = &list;
        while (tabs->indexOf(page) < 0) {
            page = page->parentWidget();
        }
        tabs->setCurrentWidget(page);
        list.scrollToItem(item);
        const QPoint at = list.visualItemRect(item).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    }

    // Fails for each list whose columns run past its right edge, and for
    // each button narrower than its caption needs.
    void expectEverythingOnShow(QWidget& window) const {
        auto* tabs = reportPart<QTabWidget>("CheckTabs");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            QWidget* page = tabs->widget(tab);
            auto* list = qobject_cast<QTreeWidget*>(page);
            list = list != nullptr ? list : page->findChild<QTreeWidget*>();
            EXPECT_LE(list->header()->length(), list->viewport()->width())
                << tabs->tabText(tab).toStdString();
        }
        for (const QPushButton* button : window.findChildren<QPushButton*>()) {
            EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
        }
    }

    std::optional<std::int64_t> selectedId() const {
        return form->listPane().idOfRow(form->listPane().selectedRow());
    }
};

} // namespace zorvik::test
