#include "gui/grid/portrait_grid_switch.h"

#include <QAction>
#include <QListView>

#include "gui/app/settings_owner.h"
#include "gui/grid/grid_portrait_reader.h"
#include "gui/grid/portrait_cache.h"
#include "gui/grid/portrait_grid_delegate.h"
#include "gui/grid/portrait_grid_model.h"
#include "gui/grid/portrait_loader.h"
#include "gui/list/character_list_model.h"
#include "gui/list/character_list_pane.h"

namespace zorvik::gui {

PortraitGridSwitch::PortraitGridSwitch(Kel_CharacterDb& db, CharacterListPane& list,
                                       SettingsOwner& settings)
    : list_(list), settings_(settings), cache_(std::make_unique<PortraitCache>(kCacheBudget)) {
    loader_ = new PortraitLoader(
        [&db](qint64 id) { return readGridPortrait(db, id, PortraitGridDelegate::kPictureBox); },
        this);
    connect(loader_, &PortraitLoader::loaded, this, &PortraitGridSwitch::showLoaded);
    buildView();
    buildToggle();
    followList();
}

PortraitGridSwitch::~PortraitGridSwitch() {
    // The view sits in the list pane, which outlives the switch; its delegate draws from the
    // cache and asks the loader, so it goes first.
    delete view_;
    delete loader_;
}

void PortraitGridSwitch::buildView() {
    view_ = new QListView();
    view_->setObjectName(QStringLiteral("PortraitGrid"));
    view_->setAccessibleName(tr("ポートレート一覧"));
    // Cells flow left to right in rows, all of one size, so that a large
    // collection is laid out without measuring each cell.
    view_->setViewMode(QListView::ListMode);
    view_->setFlow(QListView::LeftToRight);
    view_->setWrapping(true);
    view_->setResizeMode(QListView::Adjust);
    view_->setMovement(QListView::Static);
    view_->setUniformItemSizes(true);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    model_ = new PortraitGridModel(view_);
    model_->setSourceModel(list_.listModel());
    view_->setModel(model_);
    auto* delegate = new PortraitGridDelegate(*cache_, *loader_, view_);
    view_->setItemDelegate(delegate);
    view_->setGridSize(delegate->cellSize(view_->fontMetrics()));
    list_.addAlternateView(view_);
}

void PortraitGridSwitch::buildToggle() {
    toggle_ = new QAction(tr("ポートレート一覧(&G)"), view_);
    toggle_->setObjectName(QStringLiteral("PortraitGrid1"));
    toggle_->setCheckable(true);
    toggle_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    toggle_->setToolTip(tr("ポートレート一覧"));
    connect(toggle_, &QAction::toggled, this, &PortraitGridSwitch::showGrid);
}

void PortraitGridSwitch::followList() {
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && !list_.selectRow(current.row())) {
                    // The list kept its row (edits not yet written): the grid
                    // goes back to it once this change is over.
                    QMetaObject::invokeMethod(
                        this, [this] { selectInGrid(list_.selectedRow()); }, Qt::QueuedConnection);
                }
            });
    connect(&list_, &CharacterListPane::rowSelectionChanged, this, [this](int row, bool selected) {
        if (selected) {
            selectInGrid(row);
        }
    });
    // New rows may carry new portraits (a list update, a replaced portrait).
    connect(&list_, &CharacterListPane::listRebuilt, this, [this] {
        loader_->forgetWaiting();
        cache_->clear();
    });
}

void PortraitGridSwitch::selectInGrid(int row) {
    const QModelIndex index = model_->index(row, 0);
    if (!index.isValid()) {
        // No row selected in the list: none in the grid either.
        view_->selectionModel()->clearSelection();
        return;
    }
    if (view_->currentIndex() == index) {
        return;
    }
    view_->setCurrentIndex(index);
    view_->scrollTo(index);
}

bool PortraitGridSwitch::gridShown() const {
    return toggle_->isChecked();
}

void PortraitGridSwitch::restore() {
    toggle_->setChecked(settings_.settings().PortraitGrid);
}

void PortraitGridSwitch::showGrid(bool shown) {
    if (toggle_->isChecked() != shown) {
        toggle_->setChecked(shown);
        return;
    }
    settings_.setPortraitGrid(shown);
    if (shown) {
        selectInGrid(list_.selectedRow());
    }
    list_.showAlternateView(shown);
}

void PortraitGridSwitch::forgetPortrait(qint64 id) {
    cache_->remove(id);
    view_->viewport()->update();
}

void PortraitGridSwitch::showLoaded(qint64 id, const GridPortrait& portrait) {
    cache_->insert(id, portrait);
    // Every cell on show is drawn from the cache, so one repaint shows them all.
    view_->viewport()->update();
}

} // namespace zorvik::gui
