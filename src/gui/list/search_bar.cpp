#include "gui/list/search_bar.h"

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>

#include "gui/app/column_caption.h"
#include "gui/list/find_box.h"

namespace zorvik::gui {

namespace {

// Positions as designed in a bar 341 pixels wide: the box and its edit
// stretch with the bar, the other controls keep their distance to its right.
constexpr int kDesignedWidth = 341;
constexpr int kModeButtonWidth = 65;

struct Placement {
    int left, top, width, height;
    enum { Stretch, KeepRight } anchor;
};

// The caption without its access key: "を含む(&P)" gives "を含む", "&Contains" gives "Contains".
QString withoutAccessKey(QString caption) {
    static const QRegularExpression japaneseKey(QStringLiteral("\\(&[^&]\\)$"));
    if (caption.contains(japaneseKey)) {
        return caption.remove(japaneseKey);
    }
    static const QRegularExpression key(QStringLiteral("&(.)"));
    return caption.replace(key, QStringLiteral("\\1"));
}

void place(QWidget* control, const Placement& at, int barWidth) {
    const int shift = barWidth - kDesignedWidth;
    const int height = at.height > 0 ? at.height : control->sizeHint().height();
    const int width = at.width > 0 ? at.width : control->sizeHint().width();
    if (at.anchor == Placement::Stretch) {
        control->setGeometry(at.left, at.top, std::max(0, width + shift), height);
    } else {
        control->setGeometry(at.left + shift, at.top, width, height);
    }
}

} // namespace

SearchBar::SearchBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel2"));
    resize(kDesignedWidth, kDesignedHeight);
    buildControls();
    buildPopupMenu();
}

void SearchBar::buildControls() {
    FindTB = new FindBox(this);
    connect(FindTB, &FindBox::clearMarkClicked, this, &SearchBar::FindTBClearClick);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFrame(false);
    Edit1->setAccessibleName(tr("検索"));
    connect(Edit1, &QLineEdit::textChanged, this, &SearchBar::Edit1Change);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setText(tr("に一致"));
    connect(SpeedButton1, &QToolButton::clicked, this, &SearchBar::SpeedButton1Click);
    Label1 = new QLabel(tr("検索対象"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    // The label names the column box for accessibility tools.
    Label1->setBuddy(ComboBox1);
    for (std::size_t i = 0; i < kSearchColumnCount; ++i) {
        ComboBox1->addItem(QString::fromLatin1(ColumnSqlNames[i]));
    }
    // Only the user's choice applies the search; setting the item from the settings does not.
    connect(ComboBox1, &QComboBox::activated, this, &SearchBar::ComboBox1Change);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kSearchDelay);
    connect(Timer1, &QTimer::timeout, this, &SearchBar::Timer1Timer);
}

void SearchBar::buildPopupMenu() {
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    addModeItem(QStringLiteral("N2"), tr("に一致(&C)"), MatchMode::Exact);
    addModeItem(QStringLiteral("N3"), tr("で始まる(&B)"), MatchMode::BeginsWith);
    addModeItem(QStringLiteral("N4"), tr("で終わる(&E)"), MatchMode::EndsWith);
    N5 = addModeItem(QStringLiteral("N5"), tr("を含む(&P)"), MatchMode::Contains);
}

QAction* SearchBar::addModeItem(const QString& objectName, const QString& caption, MatchMode mode) {
    QAction* item = PopupMenu2->addAction(caption);
    item->setObjectName(objectName);
    item->setData(static_cast<int>(mode));
    connect(item, &QAction::triggered, this, [this, item] { N5Click(item); });
    return item;
}

void SearchBar::setColumnNames(const std::array<std::string, kColumnCount>& names) {
    for (int i = 0; i < ComboBox1->count(); ++i) {
        ComboBox1->setItemText(i, columnCaption(names, i));
    }
}

void SearchBar::setSearchColumn(int index) {
    ComboBox1->setCurrentIndex(index);
}

int SearchBar::searchColumn() const {
    return ComboBox1->currentIndex();
}

void SearchBar::Edit1Change() {
    if (Edit1->text().isEmpty()) {
        Timer1Timer();
        return;
    }
    // A running delay is not restarted: the search follows the burst's first change by one second.
    if (!Timer1->isActive()) {
        Timer1->start();
    }
}

void SearchBar::ComboBox1Change() {
    Timer1Timer();
}

void SearchBar::N5Click(QAction* sender) {
    const auto mode = static_cast<MatchMode>(sender->data().toInt());
    if (mode == matchMode_) {
        return;
    }
    matchMode_ = mode;
    SpeedButton1->setText(withoutAccessKey(sender->text()));
    placeControls();
    Timer1Timer();
}

void SearchBar::SpeedButton1Click() {
    PopupMenu2->popup(SpeedButton1->mapToGlobal(SpeedButton1->rect().bottomLeft()));
}

void SearchBar::FindTBClearClick() {
    if (!Edit1->text().isEmpty()) {
        Edit1->clear();
    }
}

void SearchBar::Timer1Timer() {
    const ListSearch search{ComboBox1->currentIndex(), matchMode_, Edit1->text().toStdString()};
    Timer1->stop();
    emit searchApplied(search);
}

void SearchBar::resizeEvent(QResizeEvent*) {
    placeControls();
}

void SearchBar::placeControls() {
    const int w = width();
    // A mode wider than the designed button (an English one may be) takes
    // its room from the search box.
    const int wider = std::max(0, SpeedButton1->sizeHint().width() - kModeButtonWidth);
    place(FindTB, {8, 16, 263 - wider, 25, Placement::Stretch}, w);
    place(Edit1, {12, 20, 221 - wider, 18, Placement::Stretch}, w);
    place(SpeedButton1, {272 - wider, 16, kModeButtonWidth + wider, 26, Placement::KeepRight}, w);
    place(Label1, {128, 52, 0, 0, Placement::KeepRight}, w);
    place(ComboBox1, {184, 48, 145, 0, Placement::KeepRight}, w);
}

} // namespace zorvik::gui
