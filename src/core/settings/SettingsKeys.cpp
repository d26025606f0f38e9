#include "settings/SettingsKeys.h"

#include "settings/IniFile.h"

int SettingKey::read(const IniFile &ini) const
{
    return ini.readInteger(section, name, fallback);
}

int SettingKey::read(const IniFile &ini, int def) const
{
    return ini.readInteger(section, name, def);
}

bool SettingKey::readFlag(const IniFile &ini) const
{
    return ini.readBool(section, name, fallback != 0);
}

QString SettingKey::readText(const IniFile &ini, const QString &def) const
{
    return ini.readString(section, name, def);
}

void SettingKey::write(IniFile &ini, int value) const
{
    ini.writeInteger(section, name, value);
}

void SettingKey::writeFlag(IniFile &ini, bool value) const
{
    ini.writeBool(section, name, value);
}

void SettingKey::writeText(IniFile &ini, const QString &value) const
{
    ini.writeString(section, name, value);
}
