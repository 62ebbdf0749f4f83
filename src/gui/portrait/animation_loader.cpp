#include "gui/portrait/animation_loader.h"

#include <new>
#include <utility>

#include "core/animation/frame_layout.h"
#include "core/catalogue/character_records.h"
#include "core/catalogue/columns.h"
#include "core/discovery/standing_animation.h"
#include "core/settings/integer_text.h"
#include "gui/app/settings_owner.h"

namespace zorvik::gui {

namespace {

// All frames of one character together are kept below this many bytes.
constexpr long long kMostFrameBytes = 256LL * 1024 * 1024;

// Why an archive character could not be extracted; empty for other problems.
QString extractionText(const ActionLoad& load) {
    switch (load.problem) {
    case ActionProblem::NoTemporaryFolder:
        return AnimationLoader::tr("圧縮ファイルを展開する一時保存領域がありません");
    case ActionProblem::ExtractionFolderFailed:
        return AnimationLoader::tr("一時保存領域に展開用のフォルダを作れません：%1")
            .arg(QString::fromStdString(load.detail));
    case ActionProblem::ExtractionFailed:
        return AnimationLoader::tr("圧縮ファイルを展開できません：%1")
            .arg(QString::fromStdString(load.detail));
    default:
        return {};
    }
}

// Why the action is too large to show; empty for other problems.
QString boundText(const ActionLoad& load) {
    switch (load.problem) {
    case ActionProblem::ActionTooLarge:
        return AnimationLoader::tr("アクション0のフレーム（%1まで）か1つの当たり判定の箱（%2まで）が多すぎます")
            .arg(kMostActionFrames)
            .arg(kMostClsnBoxes);
    case ActionProblem::SpritesTooLarge:
        return AnimationLoader::tr("スプライトが大きすぎます（展開すると%1 MBを超えます）")
            .arg(kMostSheetBytes >> 20);
    case ActionProblem::NoMemory:
        return AnimationLoader::tr("メモリが足りません");
    default:
        return {};
    }
}

QString problemText(const ActionLoad& load) {
    if (QString text = extractionText(load); !text.isEmpty()) {
        return text;
    }
    if (QString text = boundText(load); !text.isEmpty()) {
        return text;
    }
    switch (load.problem) {
    case ActionProblem::NoCharacter:
        return AnimationLoader::tr("キャラクターの.defファイルを読めません");
    case ActionProblem::NoAirFile:
        return AnimationLoader::tr(".airファイルがないか、読めません");
    case ActionProblem::NoAction:
        return AnimationLoader::tr(".airファイルにアクション0がありません");
    case ActionProblem::NoSpriteFile:
        return AnimationLoader::tr("スプライトファイルがないか、読めません");
    default:
        return AnimationLoader::tr("スプライト %1,%2 がないか、読めません")
            .arg(load.group)
            .arg(load.number);
    }
}

QImage toImage(const RgbaImage& image) {
    return QImage(image.pixels.data(), image.width, image.height, image.width * 4,
                  QImage::Format_RGBA8888)
        .copy();
}

// The frames composed, or the reason why not.
std::pair<std::shared_ptr<const AnimationFrames>, QString> compose(const ActionLoad& load) {
    if (!load.loaded) {
        return {nullptr, problemText(load)};
    }
    const LoadedAction& action = *load.loaded;
    const GroundRect bounds = actionBounds(action);
    const long long bytes = 4LL * bounds.width * bounds.height *
                            static_cast<long long>(action.action.frames.size());
    auto frames = std::make_shared<AnimationFrames>();
    frames->action = action.action;
    frames->ground = QPoint(-bounds.left, -bounds.top);
    for (std::size_t i = 0; i < action.action.frames.size() && bytes <= kMostFrameBytes; ++i) {
        const auto canvas = composeFrame(action, i, bounds);
        if (!canvas) {
            break;
        }
        QImage frame = toImage(*canvas);
        if (frame.isNull()) {
            return {nullptr, AnimationLoader::tr("メモリが足りません")};
        }
        frames->frames.push_back(std::move(frame));
    }
    if (frames->frames.size() != action.action.frames.size()) {
        return {nullptr, AnimationLoader::tr("アニメーションが大きすぎます")};
    }
    return {frames, QString()};
}

// On the worker thread: memory that runs out is this character's problem,
// shown in its pane, never the end of the program.
std::pair<std::shared_ptr<const AnimationFrames>, QString> readAndCompose(
    const AnimationLoader::Reader& reader, const AppSettings& settings,
    const CatalogueCharacter& character) {
    try {
        return compose(reader(settings, character));
    } catch (const std::bad_alloc&) {
        return {nullptr, AnimationLoader::tr("メモリが足りません")};
    }
}

} // namespace

AnimationLoader::AnimationLoader(Kel_CharacterDb& db, const SettingsOwner& settings, QObject* parent)
    : QObject(parent), db_(db), settings_(settings) {
    pool_.setMaxThreadCount(1);
}

AnimationLoader::~AnimationLoader() {
    forget();
    pool_.waitForDone();
}

void AnimationLoader::forget() {
    ++request_;
    pool_.clear();
}

void AnimationLoader::load(std::int64_t id) {
    forget();
    const unsigned request = request_;
    CharacterRecords records(db_);
    const auto fileName = records.columnText(id, kFileNameColumn);
    const auto fileType = records.columnText(id, kFileTypeColumn);
    const auto type = fileType ? parseWholeInt(*fileType) : std::nullopt;
    if (!fileName || !type) {
        emit failed(id, tr("キャラクターがカタログにありません"));
        return;
    }
    const AppSettings settings = settings_.settings();
    const CatalogueCharacter character{*fileName, *type};
    pool_.start([this, request, id, settings, character, reader = readerInUse()] {
        if (request != request_) {
            return;
        }
        auto [frames, reason] = readAndCompose(reader, settings, character);
        // Delivered on the GUI thread; a request made meanwhile wins.
        QMetaObject::invokeMethod(
            this, [this, request, id, frames, reason] { deliver(request, id, frames, reason); },
            Qt::QueuedConnection);
    });
}

AnimationLoader::Reader AnimationLoader::readerInUse() const {
    if (reader_) {
        return reader_;
    }
    return [plugins = pluginFolder_](const AppSettings& settings, const CatalogueCharacter& character) {
        return LoadCatalogueAction(settings, character, kStandingAction, plugins);
    };
}

void AnimationLoader::deliver(unsigned request, std::int64_t id,
                              std::shared_ptr<const AnimationFrames> frames, const QString& reason) {
    if (request != request_) {
        return;
    }
    if (frames) {
        emit loaded(id, std::move(frames));
    } else {
        emit failed(id, reason);
    }
}

} // namespace zorvik::gui
