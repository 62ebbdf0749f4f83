#pragma once

#include "gui/settings/settings_page.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zorvik {
class UserMessages;
}

namespace zorvik::gui {

class Choosers;
class LanguageChoice;

// TabSheet1 "ディレクトリ": the character folder, the temporary folder
// and the engine file, each typed or chosen with its "..." button, and
// below them the display language.
class FoldersPage : public SettingsPage {
    Q_OBJECT
public:
    FoldersPage(UserMessages& messages, Choosers& choosers, QWidget* parent);

    void load(const AppSettings& settings) override;
    void store(AppSettings& settings) const override;

    // The engine file chooser's filter: an engine here is a native
    // executable or a Windows .exe (started through wine). In Japanese,
    // as the chooser gets it in that language.
    static const QString kEngineFilter;

public slots:
    // Leaving any of the three edits checks the character folder; a folder
    // that does not exist is only reported, and OK still takes it.
    void Edit1Exit();
    // "..." beside キャラフォルダ
    void Button3Click();
    // "..." beside 一時保存領域
    void Button4Click();
    // "..." beside MUGEN実行ファイル
    void Button5Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void chooseFolderInto(QLineEdit& edit, const QString& title);

    UserMessages& messages_;
    Choosers& choosers_;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button3 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* Button4 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QPushButton* Button5 = nullptr;
    LanguageChoice* language_ = nullptr;
};

} // namespace zorvik::gui
