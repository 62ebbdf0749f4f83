#pragma once

#include "gui/app/opponent_caption.h"
#include "gui/settings/settings_page.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zorvik::gui {

// TabSheet5 "対戦相手": the registered opponents (FighterList), each shown
// by its caption, which can only be removed here, and the three battle
// parameter sets.
class OpponentsPage : public SettingsPage {
    Q_OBJECT
public:
    OpponentsPage(OpponentCaptions captions, QWidget* parent);

    void load(const AppSettings& settings) override;
    void store(AppSettings& settings) const override;

public slots:
    // 削除: removes the selected opponent; the one now in its place, or the
    // new last one, becomes selected.
    void Button9Click();

private:
    QGroupBox* buildOpponentsGroup();
    QLayout* buildParameterEdits();

    OpponentCaptions captions_;
    QGroupBox* GroupBox3 = nullptr;
    QListWidget* ListBox3 = nullptr;
    QPushButton* Button9 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* Edit6 = nullptr;
};

} // namespace zorvik::gui
