// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_settings_store.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
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

QSettings* QtSettingsStore::settings(const std::string& app) const
{
    if (m_app == app)
        return m_settings.get();
    m_app = app;
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
                         q(app) + '/' + q(app) + QStringLiteral(".conf");
    const QFileInfo info(file);
    // Opening a pipe or a device would wait for a writer that never comes.
    if (info.exists() && !info.isFile())
        m_settings.reset();
    else
        m_settings = std::make_unique<QSettings>(file, QSettings::NativeFormat);
    return m_settings.get();
}

std::string QtSettingsStore::get(const std::string& app, const std::string& section,
                                 const std::string& key) const
{
    QSettings* s = settings(app);
    if (!s)
        return m_fallback.get(app, section, key);
    s->sync(); // sees what another running Norv saved
    return text(s->value(path(section, key)));
}

void QtSettingsStore::save(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& value)
{
    QSettings* s = settings(app);
    if (!s)
        return m_fallback.save(app, section, key, value);
    const QString where = path(section, key);
    s->sync();
    if (s->contains(where) && text(s->value(where)) == value)
        return;
    s->setValue(where, q(value));
    s->sync();
}

} // namespace norv::ui
