#include "gui/settings/language_choice.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "gui/settings/settings_controls.h"

namespace zorvik::gui {

using namespace settings_controls;

LanguageChoice::LanguageChoice(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("LanguageChoice"));
    label_ = newLabel(this, "LanguageLabel", tr("表示言語"));
    box_ = new QComboBox(this);
    box_->setObjectName(QStringLiteral("LanguageBox"));
    // Each language is named in itself, so that a reader of either finds it.
    box_->addItem(tr("自動"), static_cast<int>(Language::Automatic));
    box_->addItem(QStringLiteral("日本語"), static_cast<int>(Language::Japanese));
    box_->addItem(QStringLiteral("English"), static_cast<int>(Language::English));
    label_->setBuddy(box_);
    box_->setAccessibleName(withoutAccessKey(label_->text()));
    // In both languages whatever the window's: the reader may not know the one shown.
    note_ = newNote(this, "LanguageNote",
                    {QStringLiteral("※表示言語の変更は次回の起動時に反映されます。"),
                     QStringLiteral("A new language takes effect when Zorvik next starts.")});
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_, 0, 0);
    layout->addWidget(box_, 0, 1);
    layout->setColumnStretch(2, 1);
    layout->addWidget(note_, 1, 0, 1, 3);
}

void LanguageChoice::load(const AppSettings& settings) {
    box_->setCurrentIndex(box_->findData(static_cast<int>(settings.DisplayLanguage)));
}

void LanguageChoice::store(AppSettings& settings) const {
    settings.DisplayLanguage = static_cast<Language>(box_->currentData().toInt());
}

} // namespace zorvik::gui
