#pragma once

#include <vector>

#include <QDialog>

#include "core/settings/app_settings.h"
#include "gui/app/opponent_caption.h"

class QPushButton;
class QTabWidget;

namespace zorvik {
class UserMessages;
}

namespace zorvik::gui {

class Choosers;
class SettingsPage;

// TForm2 "設定", the settings dialog: five tabs, each a page that loads its
// controls from the dialog's copy of the settings when the dialog is shown
// and on OK writes them back. Nothing is stored here: the caller stores
// what storeInto gives, and Cancel leaves everything as it was.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    // settings are copied; captions name the opponents.
    TForm2(const AppSettings& settings, OpponentCaptions captions, UserMessages& messages,
           Choosers& choosers, QWidget* parent);

    // Every page's controls into settings, as OK takes them.
    void storeInto(AppSettings& settings) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildPages(OpponentCaptions captions, UserMessages& messages, Choosers& choosers);
    QLayout* buildButtons();
    void FormShow();

    AppSettings copy_;
    QTabWidget* PageControl1 = nullptr;
    std::vector<SettingsPage*> pages_;
    QPushButton* Button1 = nullptr; // OK
    QPushButton* Button2 = nullptr; // キャンセル (the detail pane's Button2 is 上記内容で更新)
};

} // namespace zorvik::gui
