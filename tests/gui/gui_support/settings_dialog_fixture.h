#pragma once

#include <functional>
#include <initializer_list>
#include <string>

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <gtest/gtest.h>

#include "gui/settings/settings_form.h"
#include "gui_support/main_window_fixture.h"
#include "gui_support/modal.h"

namespace zorvik::test {

// A main window whose settings dialog the test opens through O1, works in
// while it is up, and then closes with OK or Cancel.
class SettingsDialogFixture : public MainWindowFixture {
protected:
    enum class Close { Ok, Cancel };

    void inSettings(Close close, const std::function<void()>& work) {
        bool shown = false;
        whenModalShows([&](QWidget* modal) {
            dialog = qobject_cast<gui::TForm2*>(modal);
            shown = dialog != nullptr;
            if (dialog != nullptr) {
                work();
                dialog
                    ->findChild<QPushButton*>(close == Close::Ok ? QStringLiteral("Button1")
                                                                 : QStringLiteral("Button2"))
                    ->click();
            } else {
                modal->close();
            }
            dialog = nullptr;
        });
        find<QAction>("O1")->trigger();
        EXPECT_TRUE(shown);
    }

    template <typename Widget> Widget* inDialog(const char* objectName) const {
        auto* widget = dialog->findChild<Widget*>(QString::fromLatin1(objectName));
        EXPECT_NE(widget, nullptr) << objectName;
        return widget;
    }

    QStringList items(const char* listName) const {
        QStringList texts;
        const QListWidget* list = inDialog<QListWidget>(listName);
        for (int row = 0; row < list->count(); ++row) {
            texts << list->item(row)->text();
        }
        return texts;
    }

    void select(const char* listName, int row) const {
        inDialog<QListWidget>(listName)->setCurrentRow(row);
    }
    void click(const char* buttonName) const { inDialog<QPushButton>(buttonName)->click(); }

    static QStringList texts(std::initializer_list<const char*> utf8) {
        QStringList list;
        for (const char* text : utf8) {
            list << QString::fromUtf8(text);
        }
        return list;
    }

    gui::TForm2* dialog = nullptr;
};

} // namespace zorvik::test
