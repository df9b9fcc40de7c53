#include "language_files.h"

#include "language/mdb_language_table.h"

#include "database.h"
#include "schema.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace language {
void PrintTo(const LanguageRow& row, std::ostream* out)
{
    *out << row.key.toStdString() << " = " << (row.value ? '"' + row.value->toStdString() + '"' : "NULL");
}
} // namespace language

namespace testsupport {

language::LanguageRows rowsOfFile(const QByteArray& bytes, const QString& language)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Language.mdb"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush());
    file.close();
    return language::readLanguageRows(path, language);
}

errors::RuntimeError errorOf(const std::function<void()>& read)
{
    try {
        read();
    } catch (const errors::RuntimeError& error) {
        return error;
    }
    ADD_FAILURE() << "no error";
    return {0, {}};
}

QString accessFixture(const QString& name)
{
    return QStringLiteral(LUMVIK_SOURCE_DIR "/tests/fixtures/access/") + name;
}

QString shippedLanguageMdb()
{
    return QStringLiteral(LUMVIK_LANGUAGE_MDB);
}
QString shippedTextTable()
{
    return QStringLiteral(LUMVIK_LANGUAGE_TEXTS);
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    return file.readAll();
}

namespace {

std::optional<QString> unescape(const QString& field)
{
    if (field == QLatin1String("\\N"))
        return std::nullopt;
    QString out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != QLatin1Char('\\') || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const QChar next = field[++i];
        out += next == QLatin1Char('r')   ? QChar(u'\r')
               : next == QLatin1Char('n') ? QChar(u'\n')
               : next == QLatin1Char('t') ? QChar(u'\t')
                                          : next;
    }
    return out;
}

} // namespace

language::LanguageRows rowsFromTsv(const QString& path, int valueColumn, const QStringList& header)
{
    language::LanguageRows rows;
    const QStringList lines = QString::fromUtf8(readBytes(path)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    bool skippedHeader = header.isEmpty();
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (!skippedHeader) {
            skippedHeader = true;
            EXPECT_EQ(line.split(QLatin1Char('\t')), header);
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('\t'));
        const std::optional<QString> value = unescape(fields.at(valueColumn));
        rows.append({*unescape(fields.at(0)), value});
    }
    return rows;
}

QByteArray makeDatabase(const QString& tableName, const QStringList& languages,
                        const QList<QList<std::optional<QString>>>& rows)
{
    jet4::Table table;
    table.name = tableName.toStdString();
    table.columns.push_back({"ComponentName", jet4::ColumnType::Text, true});
    for (const QString& language : languages)
        table.columns.push_back({(language + QStringLiteral("Value")).toStdString(), jet4::ColumnType::Text, true});
    for (const auto& fields : rows) {
        jet4::Row row;
        for (const auto& field : fields) {
            if (field)
                row.emplace_back(field->toStdU16String());
            else
                row.emplace_back(std::monostate{});
        }
        table.rows.push_back(std::move(row));
    }
    const jet4::Bytes bytes = jet4::writeDatabase({table});
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

} // namespace testsupport
