// SPDX-License-Identifier: GPL-3.0-or-later
#include "logo.h"

#include <QLabel>
#include <QPixmap>

namespace norv::ui {

QLabel* logo(QWidget* parent, const char* name, QRect rect)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(rect);
    label->setAlignment(Qt::AlignCenter);
    label->setAccessibleName(QStringLiteral("Norv"));
    const QPixmap picture(QStringLiteral(":/norv/logo.png"));
    // Drawn at the screen's own resolution, so that it stays sharp when scaled.
    const qreal ratio = label->devicePixelRatioF();
    QPixmap scaled = picture.scaled(rect.size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    label->setPixmap(scaled);
    return label;
}

} // namespace norv::ui
