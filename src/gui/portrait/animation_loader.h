#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include <QObject>
#include <QString>
#include <QThreadPool>

#include "core/discovery/standing_animation.h"
#include "gui/portrait/animation_frames.h"

namespace zorvik {
class Kel_CharacterDb;
struct AppSettings;
} // namespace zorvik

namespace zorvik::gui {

class SettingsOwner;

// Reads a character's standing animation off the GUI thread: the .air,
// the sprites of action 0, their frames composed. Only the last request
// counts; what an earlier one reads is dropped, so no other character's
// frames are kept.
class AnimationLoader : public QObject {
    Q_OBJECT
public:
    AnimationLoader(Kel_CharacterDb& db, const SettingsOwner& settings, QObject* parent);
    ~AnimationLoader() override;

    // Starts reading the character of the catalogue row id.
    void load(std::int64_t id);
    // Drops the request in hand.
    void forget();

    // The plug-ins that extract archive characters (empty: beside the executable).
    void setPluginFolder(const std::string& folder) { pluginFolder_ = folder; }

    // What reads a character's standing action on the worker thread: the
    // character's files (LoadCatalogueAction) unless another is given.
    using Reader = std::function<ActionLoad(const AppSettings&, const CatalogueCharacter&)>;
    void setReader(Reader reader) { reader_ = std::move(reader); }

signals:
    void loaded(std::int64_t id, std::shared_ptr<const AnimationFrames> frames);
    // reason: why the character has no animation to show, for the user.
    void failed(std::int64_t id, const QString& reason);

private:
    Reader readerInUse() const;
    void deliver(unsigned request, std::int64_t id, std::shared_ptr<const AnimationFrames> frames,
                 const QString& reason);

    Kel_CharacterDb& db_;
    const SettingsOwner& settings_;
    std::string pluginFolder_;
    Reader reader_;
    std::atomic<unsigned> request_{0};
    // One worker: a new request waits for the one in hand, which stops being wanted.
    QThreadPool pool_;
};

} // namespace zorvik::gui
