#include "language/language_table_reader.h"
#include "language/mdb_language_table.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <windows.h>

#include <sql.h>
#include <sqlext.h>

// tblComponents through ODBC and the Access driver: one connection and one query per call, as
// the windows ask for their texts. Windows carries only a 32-bit Jet driver, which a 64-bit
// program cannot load; the 64-bit Access driver (64-bit Office, or the free Access Database
// Engine) registers under the second name, so both are tried in this order.

namespace language {
namespace {

const QStringList kConnectionDrivers = {QStringLiteral("driver=microsoft access driver (*.mdb)"),
                                        QStringLiteral("driver={Microsoft Access Driver (*.mdb, *.accdb)}")};

const wchar_t* wide(const QString& text)
{
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

SQLWCHAR* sqlText(const QString& text)
{
    return reinterpret_cast<SQLWCHAR*>(const_cast<wchar_t*>(wide(text)));
}

class OdbcHandle
{
public:
    OdbcHandle(SQLSMALLINT type, SQLHANDLE parent) : m_type(type)
    {
        if (!SQL_SUCCEEDED(::SQLAllocHandle(type, parent, &m_handle)))
            m_handle = SQL_NULL_HANDLE;
    }
    ~OdbcHandle()
    {
        if (m_handle == SQL_NULL_HANDLE)
            return;
        if (m_type == SQL_HANDLE_DBC && m_connected)
            ::SQLDisconnect(m_handle);
        ::SQLFreeHandle(m_type, m_handle);
    }
    OdbcHandle(const OdbcHandle&) = delete;
    OdbcHandle& operator=(const OdbcHandle&) = delete;

    SQLHANDLE get() const { return m_handle; }
    SQLSMALLINT type() const { return m_type; }
    void setConnected() { m_connected = true; }

private:
    SQLSMALLINT m_type;
    SQLHANDLE m_handle = SQL_NULL_HANDLE;
    bool m_connected = false;
};

struct Diagnostic
{
    QString state;
    QString message;
};

QList<Diagnostic> diagnosticsOf(const OdbcHandle& handle)
{
    QList<Diagnostic> found;
    SQLWCHAR state[6] = {};
    SQLWCHAR message[1024] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    for (SQLSMALLINT record = 1; ::SQLGetDiagRecW(handle.type(), handle.get(), record, state, &native, message,
                                                  SQLSMALLINT(std::size(message)), &length) == SQL_SUCCESS;
         ++record) {
        found.append({QString::fromWCharArray(reinterpret_cast<wchar_t*>(state), 5),
                      QString::fromWCharArray(reinterpret_cast<wchar_t*>(message),
                                              qMin<int>(length, int(std::size(message)) - 1))});
    }
    return found;
}

QString joinedMessages(const QList<Diagnostic>& diagnostics)
{
    QStringList messages;
    for (const Diagnostic& diagnostic : diagnostics)
        messages.append(diagnostic.message);
    return messages.join(QStringLiteral("; "));
}

// A driver that is not installed is reported by the driver manager itself (SQLSTATE IM002 on
// Windows, "[Driver Manager]" in its text on every ODBC implementation); a driver that runs and
// cannot open the file speaks for itself.
bool driverMissing(const QList<Diagnostic>& diagnostics)
{
    return diagnostics.isEmpty() ? false
                                 : std::all_of(diagnostics.cbegin(), diagnostics.cend(), [](const Diagnostic& d) {
                                       return d.state.startsWith(QLatin1String("IM")) ||
                                              d.message.contains(QLatin1String("[Driver Manager]"));
                                   });
}

errors::RuntimeError noDriver()
{
    return {kDriverNotFound,
            QStringLiteral("No Microsoft Access ODBC driver is installed: neither 'Microsoft Access Driver (*.mdb)' "
                           "nor 'Microsoft Access Driver (*.mdb, *.accdb)' is known to ODBC, so the window texts "
                           "cannot be read from Language.mdb. Install the 64-bit Microsoft Access Database Engine "
                           "(free from Microsoft) and start Lumvik again")};
}

void connect(OdbcHandle& connection, const QString& path)
{
    ::SQLSetConnectAttrW(connection.get(), SQL_ATTR_ACCESS_MODE, reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY), 0);
    for (const QString& driver : kConnectionDrivers) {
        const QString connectionString =
            driver + QStringLiteral(";DBQ=") + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
        const SQLRETURN result = ::SQLDriverConnectW(connection.get(), nullptr, sqlText(connectionString), SQL_NTS,
                                                     nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
        if (SQL_SUCCEEDED(result)) {
            connection.setConnected();
            return;
        }
        const QList<Diagnostic> diagnostics = diagnosticsOf(connection);
        if (!driverMissing(diagnostics)) {
            const QString reason = joinedMessages(diagnostics);
            throw unrecognizedDatabase(path,
                                       reason.isEmpty() ? QStringLiteral("the Access driver cannot open it") : reason);
        }
    }
    throw noDriver();
}

bool executes(const OdbcHandle& statement, const QString& query)
{
    return SQL_SUCCEEDED(::SQLExecDirectW(statement.get(), sqlText(query), SQL_NTS));
}

// The whole text of one column of the current row, read in pieces; NULL is std::nullopt.
std::optional<QString> columnText(const OdbcHandle& statement, SQLUSMALLINT column, const QString& path)
{
    QString text;
    SQLWCHAR piece[512];
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN result =
            ::SQLGetData(statement.get(), column, SQL_C_WCHAR, piece, SQLLEN(sizeof piece), &indicator);
        if (result == SQL_NO_DATA)
            return text;
        if (!SQL_SUCCEEDED(result))
            throw unrecognizedDatabase(path, joinedMessages(diagnosticsOf(statement)));
        if (indicator == SQL_NULL_DATA)
            return std::nullopt;
        // A piece that did not fit fills the buffer less its terminating zero.
        const qsizetype units = indicator == SQL_NO_TOTAL || indicator >= SQLLEN(sizeof piece)
                                    ? qsizetype(std::size(piece)) - 1
                                    : qsizetype(indicator / SQLLEN(sizeof(SQLWCHAR)));
        text.append(QString::fromWCharArray(reinterpret_cast<wchar_t*>(piece), units));
        if (result == SQL_SUCCESS)
            return text;
    }
}

bool hasTable(const OdbcHandle& connection, const QString& path)
{
    OdbcHandle statement(SQL_HANDLE_STMT, connection.get());
    // Every table, compared here: drivers differ in how they match a name pattern.
    if (!SQL_SUCCEEDED(::SQLTablesW(statement.get(), nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0)))
        return true; // no catalog: blame the column, which the query named last
    while (SQL_SUCCEEDED(::SQLFetch(statement.get()))) {
        if (columnText(statement, 3, path).value_or(QString()).compare(kTableName, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// A language name that is not a plain word cannot name a column of ours, and it never becomes
// part of the query text.
bool plainWord(const QString& name)
{
    return !name.isEmpty() && std::all_of(name.cbegin(), name.cend(),
                                          [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); });
}

} // namespace

LanguageRows readCheckedDatabase(const QString& path, QByteArray, const QString& languageName)
{
    if (!plainWord(languageName))
        throw languageColumnMissing(languageName);
    OdbcHandle environment(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
    ::SQLSetEnvAttr(environment.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    OdbcHandle connection(SQL_HANDLE_DBC, environment.get());
    connect(connection, path);

    OdbcHandle statement(SQL_HANDLE_STMT, connection.get());
    const QString query =
        QStringLiteral("Select %1, %2 from %3").arg(kKeyColumn, languageColumn(languageName), kTableName);
    if (!executes(statement, query)) {
        // The driver's message varies by driver; the catalog and a narrower query say which part is missing.
        if (!hasTable(connection, path))
            throw tableNotFound(path);
        OdbcHandle keyOnly(SQL_HANDLE_STMT, connection.get());
        if (!executes(keyOnly, QStringLiteral("Select %1 from %2").arg(kKeyColumn, kTableName)))
            throw keyColumnMissing();
        throw languageColumnMissing(languageName);
    }

    LanguageRows rows;
    SQLRETURN fetched;
    while (SQL_SUCCEEDED(fetched = ::SQLFetch(statement.get()))) {
        const std::optional<QString> key = columnText(statement, 1, path);
        if (!key)
            continue; // a NULL key matches no "ComponentName='...'" filter
        rows.append({*key, columnText(statement, 2, path)});
    }
    if (fetched != SQL_NO_DATA)
        throw unrecognizedDatabase(path, joinedMessages(diagnosticsOf(statement)));
    return rows;
}

} // namespace language
