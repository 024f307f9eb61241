#pragma once

// A Windows-style initialisation file ("[Section]" lines followed by
// "key=value" lines), read and written by the rules the program's files were
// made with:
//  - section and key names compare without regard to case;
//  - a missing key reads as the default given;
//  - a value is trimmed, and a value enclosed in double quotes reads without them;
//  - integers are decimal (or 0x hex); a value that is not a number reads as the default;
//  - a flag reads true when its number is not 0 and is written "1" or "0";
//  - writing a key replaces its line in place or appends it to its section,
//    and the file is written at once, other lines left as they were.
// The text is Windows-1250; a file saved as UTF-8 (or UTF-16 with a byte-order
// mark) is read as such and written back as Windows-1250.

#include <QString>
#include <QStringList>

class ProfileFile
{
public:
    explicit ProfileFile(const QString &path);

    QString path() const { return m_path; }
    bool exists() const;

    QString readString(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    bool keyExists(const QString &section, const QString &key) const;
    // The keys of a section in file order, as they are spelled in the file.
    QStringList sectionKeys(const QString &section) const;

    // Each write goes to disk at once; throws TrelvoError when the file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);
    void deleteKey(const QString &section, const QString &key);
    // Writes the file as it stands in memory.
    void flush();

private:
    struct Span
    {
        qsizetype header = -1;  // line of "[Section]", -1 when missing
        qsizetype end = 0;      // one past the section's last line
    };
    Span findSection(const QString &section) const;
    qsizetype findKey(const Span &span, const QString &key) const;
    void setLine(const QString &section, const QString &key, const QString &line);

    QString m_path;
    QStringList m_lines;
};
