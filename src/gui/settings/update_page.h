#pragma once

#include <array>

#include "gui/settings/settings_page.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace zorvik::gui {

// TabSheet2 "検索/更新": how the list update works (re-checking listed
// characters, updating at start, capturing a portrait sprite and which)
// and which kinds of character storage it lists, and whether group folders
// of the character folder are searched.
class UpdatePage : public SettingsPage {
    Q_OBJECT
public:
    explicit UpdatePage(QWidget* parent);

    void load(const AppSettings& settings) override;
    void store(AppSettings& settings) const override;

public slots:
    // 画像を登録する: the group and image numbers look in use only while
    // portraits are captured; they stay editable either way.
    void CheckBox7Click();

private:
    QGroupBox* buildUpdateGroup();
    QGroupBox* buildListedKindsGroup();
    // The check boxes of the listed kinds, by exclusion bit 1, 2, 4, 8.
    std::array<QCheckBox*, 4> kindBoxes() const;

    QGroupBox* GroupBox2 = nullptr;
    QCheckBox* CheckBox6 = nullptr;
    QCheckBox* CheckBox5 = nullptr;
    QCheckBox* CheckBox7 = nullptr;
    QCheckBox* SubfoldersBox = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QLabel* Label11 = nullptr;
    QLineEdit* Edit8 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
};

} // namespace zorvik::gui
