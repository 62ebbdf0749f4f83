#pragma once

#include <QWidget>

#include "core/settings/app_settings.h"

class QComboBox;
class QLabel;

namespace zorvik::gui {

// 表示言語 / Language on the first tab: 自動 (the system's locale decides),
// 日本語 or English, with a note in both languages that a change takes effect
// at the next start (the window is built in one language).
class LanguageChoice : public QWidget {
    Q_OBJECT
public:
    explicit LanguageChoice(QWidget* parent);

    void load(const AppSettings& settings);
    void store(AppSettings& settings) const;

private:
    QLabel* label_ = nullptr;
    QComboBox* box_ = nullptr;
    QLabel* note_ = nullptr;
};

} // namespace zorvik::gui
