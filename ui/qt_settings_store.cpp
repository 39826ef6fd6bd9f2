// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_settings_store.h"

#include <QSettings>
#include <QStringList>

namespace norv::ui {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
} // namespace

std::string QtSettingsStore::get(const std::string& app, const std::string& section,
                                 const std::string& key) const
{
    QSettings settings(q(app), q(app));
    if (settings.status() != QSettings::NoError)
        return {};
    settings.beginGroup(q(section));
    const QVariant value = settings.value(q(key));
    // An unquoted "a, b" in the file reads as a list: take the text as written.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    return value.toString().toStdString();
}

void QtSettingsStore::save(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& value)
{
    QSettings settings(q(app), q(app));
    settings.beginGroup(q(section));
    settings.setValue(q(key), q(value));
    settings.endGroup();
    settings.sync();
}

} // namespace norv::ui
