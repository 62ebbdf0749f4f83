#include "gui/window/debug_menu.h"

#include "core/catalogue/character_db.h"
#include "core/platform/user_messages.h"
#include "gui/app/shown_language.h"
#include "gui/window/status_bar.h"

namespace zorvik::gui {

DebugMenu::DebugMenu(Kel_CharacterDb& db, UserMessages& messages, StatusBar& status,
                     QWidget* parent)
    : QMenu(tr("デバッグ(&D)"), parent), db_(db), messages_(messages), status_(status) {
    setObjectName(QStringLiteral("D1"));
    // The captions are the statements themselves, with their access keys.
    QString dropCaption = QString::fromLatin1(Kel_CharacterDb::kDropTableSql);
    dropCaption.insert(1, QLatin1Char('&'));
    DELETEFROMCHARTABLE1 =
        addItem(QStringLiteral("DELETEFROMCHARTABLE1"),
                QLatin1Char('&') + QString::fromLatin1(Kel_CharacterDb::kDeleteAllSql));
    connect(DELETEFROMCHARTABLE1, &QAction::triggered, this, &DebugMenu::DELETEFROMCHARTABLE1Click);
    DROPTABLECHARACTERTABLE1 = addItem(QStringLiteral("DROPTABLECHARACTERTABLE1"), dropCaption);
    connect(DROPTABLECHARACTERTABLE1, &QAction::triggered, this,
            &DebugMenu::DROPTABLECHARACTERTABLE1Click);
    Update1 = addItem(QStringLiteral("Update1"), QStringLiteral("UpdateCharList()"));
    N10 = addItem(QStringLiteral("N10"), tr("完全削除"));
    CallForm31 = addItem(QStringLiteral("CallForm31"), QStringLiteral("Call Form3"));
}

QAction* DebugMenu::addItem(const QString& objectName, const QString& caption) {
    QAction* item = addAction(caption);
    item->setObjectName(objectName);
    return item;
}

void DebugMenu::DELETEFROMCHARTABLE1Click() {
    runMaintenance(tr("いいの？"), &Kel_CharacterDb::DeleteAllCharacters);
}

void DebugMenu::DROPTABLECHARACTERTABLE1Click() {
    runMaintenance(tr("真ですか！"), &Kel_CharacterDb::DropCharacterTable);
}

// The list is not rebuilt: it shows the old rows until the next rebuild.
void DebugMenu::runMaintenance(const QString& question, bool (Kel_CharacterDb::*statement)()) {
    if (!messages_.askYesNo(question.toStdString(), "")) {
        return;
    }
    if (!(db_.*statement)()) {
        messages_.show(db_.LastError());
    }
    status_.setPanelText(shownText(db_.status()));
}

} // namespace zorvik::gui
