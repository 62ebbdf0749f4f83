#pragma once

#include <memory>

#include <QObject>

class QAction;
class QListView;

namespace zorvik {
class Kel_CharacterDb;
} // namespace zorvik

namespace zorvik::gui {

class CharacterListPane;
class PortraitCache;
class PortraitGridModel;
class PortraitLoader;
class SettingsOwner;
struct GridPortrait;

// The portrait grid beside the list, and the switch between them (表示 →
// ポートレート一覧, Ctrl+G). The grid shows exactly the list's rows in the
// list's order; a selection in either is the selection of both, so the
// detail and portrait panes and the popup menu follow it. The choice is
// kept in the settings. Portraits are decoded off the GUI thread for the
// cells drawn, and kept in a bounded cache until the list is rebuilt.
class PortraitGridSwitch : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype kCacheBudget = 24 * 1024 * 1024;

    PortraitGridSwitch(Kel_CharacterDb& db, CharacterListPane& list, SettingsOwner& settings);
    // Waits for the decodes under way, which read the catalogue.
    ~PortraitGridSwitch() override;

    QAction* toggleAction() const { return toggle_; }
    QListView* view() const { return view_; }
    PortraitCache& cache() { return *cache_; }
    PortraitLoader& loader() { return *loader_; }
    bool gridShown() const;

    // Shows the grid or the list as the settings say.
    void restore();

public slots:
    void showGrid(bool shown);
    // The row's portrait changed: it is decoded again when next drawn.
    void forgetPortrait(qint64 id);

private:
    void buildView();
    void buildToggle();
    void followList();
    void selectInGrid(int row);
    void showLoaded(qint64 id, const GridPortrait& portrait);

    CharacterListPane& list_;
    SettingsOwner& settings_;
    std::unique_ptr<PortraitCache> cache_;
    PortraitLoader* loader_ = nullptr;
    QListView* view_ = nullptr;
    PortraitGridModel* model_ = nullptr;
    QAction* toggle_ = nullptr;
};

} // namespace zorvik::gui
