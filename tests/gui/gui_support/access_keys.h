#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QStringList>
#include <QWidget>

namespace zorvik::test {

// The access key of a caption ("&File" gives F), none when it has none.
inline QChar accessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&') {
                return caption[i + 1].toUpper();
            }
            ++i;
        }
    }
    return {};
}

// The captions of a dialog whose access keys another caption of it has
// already taken: buttons, labels and group boxes, as one window's keys.
inline QStringList clashingAccessKeys(const QWidget& dialog) {
    QStringList captions;
    for (const QWidget* w : dialog.findChildren<QWidget*>()) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            captions << button->text();
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            captions << label->text();
        } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
            captions << box->title();
        }
    }
    QMap<QChar, QString> taken;
    QStringList clashes;
    for (const QString& caption : captions) {
        const QChar key = accessKey(caption);
        if (key.isNull()) {
            continue;
        }
        if (taken.contains(key)) {
            clashes << taken[key] + QStringLiteral(" / ") + caption;
        }
        taken[key] = caption;
    }
    return clashes;
}

} // namespace zorvik::test
