// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_settings_store.h"

#include <QSettings>
#include <QStringList>

namespace norv::ui {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QString path(const std::string& section, const std::string& key) { return q(section) + '/' + q(key); }

std::string text(const QVariant& value)
{
    // An unquoted "a, b" in the file reads as a list: take the text as written.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    return value.toString().toStdString();
}

} // namespace

QtSettingsStore::QtSettingsStore() = default;
QtSettingsStore::~QtSettingsStore() = default;

QSettings& QtSettingsStore::settings(const std::string& app) const
{
    if (!m_settings || m_app != app) {
        m_settings = std::make_unique<QSettings>(q(app), q(app));
        m_app = app;
    }
    return *m_settings;
}

std::string QtSettingsStore::get(const std::string& app, const std::string& section,
                                 const std::string& key) const
{
    QSettings& s = settings(app);
    s.sync(); // sees what another running Norv saved
    return text(s.value(path(section, key)));
}

void QtSettingsStore::save(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& value)
{
    QSettings& s = settings(app);
    const QString where = path(section, key);
    s.sync();
    if (s.contains(where) && text(s.value(where)) == value)
        return;
    s.setValue(where, q(value));
    s.sync();
}

} // namespace norv::ui
