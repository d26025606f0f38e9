#pragma once

#include <QString>

#include <functional>

// A private-profile style ini file. Outside a pass the object keeps only the path: every
// read looks at the file and every write changes it at once (through an atomic replace
// that either completes or leaves the file byte for byte as it was),
// so a value written by one object is seen by the next one that reads it. A pass reads
// the file once and lets its reads and writes work on that copy, which its commit writes
// back in one replace: a save of many keys costs one rewrite, not one per key. Section and
// key names match without regard to case; the file's other lines, their order and bytes
// are kept.
class IniFile
{
public:
    explicit IniFile(const QString &path);

    // The stored text (at most 1023 characters), or def when file, section or key is absent.
    QString readString(const QString &section, const QString &key, const QString &def) const;
    // Decimal with optional sign; "0x"/"0X" (text longer than two characters) or "$"
    // introduce hexadecimal; any other text, or an absent key, gives def.
    int readInteger(const QString &section, const QString &key, int def) const;
    // An integer read with default 1 or 0; any non-zero number is true.
    bool readBool(const QString &section, const QString &key, bool def) const;

    // Replace the value in place, or add the key at the end of its section, or add the
    // section at the end of the file, creating the file when missing. Throws
    // "Unable to write to %s" and leaves the file as it was when it cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

    // Loads the file for a pass. A file that exists but cannot be read gives defaults to
    // the pass's reads, and its commit fails rather than overwrite what it could not read.
    void beginPass();
    // Ends the pass, writing the copy back when it changed. Throws "Unable to write to %s"
    // and leaves the file as it was when it cannot be written.
    void commitPass();
    bool inPass() const { return m_inPass; }

    // Once at start: removes the temporary copies an interrupted write left beside the file
    // (only names of the writer's own pattern, "<name>.new-" and six letters or digits),
    // and returns the problem to report when the path holds something that is not read or
    // written: a FIFO, a device, a folder, a file over 4 MiB or one that cannot be read
    // ("Cannot open file %s"); empty when there is none. Reads then give defaults and
    // writes fail.
    static QString checkAtStart(const QString &path);

    // Test seam: the steps of a replace. While a hook is set, a step for which it returns
    // true fails as on a full disk.
    enum class WriteStep { Create, Write, Sync, Close, Rename };
    static void setFaultForTesting(std::function<bool(WriteStep)> fault);

private:
    QString m_path;
    bool m_inPass = false;
    bool m_passUnreadable = false;
    bool m_passExisted = false;
    QByteArray m_passOriginal;
    QByteArray m_passContent;
};
