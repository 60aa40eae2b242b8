#include "StoreConnection.h"

#include "Text.h"

#include <mysql.h>

namespace kav {

// ---------------------------------------------------------------- Statement

Statement::Statement(QString pattern, QStringList values) : values_(std::move(values))
{
    if (values_.isEmpty()) {
        pieces_ << pattern;
        return;
    }
    pieces_ = pattern.split(QLatin1Char('?'));
}

QString Statement::displayText() const
{
    QString s = pieces_.value(0);
    for (int i = 0; i < values_.size(); ++i)
        s += QLatin1Char('\'') + values_.at(i) + QLatin1Char('\'') + pieces_.value(i + 1);
    return s;
}

// -------------------------------------------------------------- StoreResult

const std::optional<QString>* StoreResult::field(const QString& column) const
{
    if (!valid_ || rows_.empty())
        return nullptr;
    const int index = static_cast<int>(columns_.indexOf(column));  // exact, case-sensitive
    if (index < 0)
        return nullptr;
    const int row = std::min(cursor_, rowCount() - 1);
    return &rows_[static_cast<size_t>(row)][static_cast<size_t>(index)];
}

bool StoreResult::readField(const QString& column, QString& destination) const
{
    const auto* f = field(column);
    if (!f)
        return false;
    destination = f->value_or(QString());
    return true;
}

bool StoreResult::readField(const QString& column, qint64& destination) const
{
    const auto* f = field(column);
    if (!f)
        return false;
    destination = f->has_value() ? text::leadingInteger(**f) : 0;
    return true;
}

bool StoreResult::readField(const QString& column, int& destination) const
{
    qint64 wide = 0;
    if (!readField(column, wide))
        return false;
    destination = static_cast<int>(std::clamp<qint64>(wide, INT_MIN, INT_MAX));
    return true;
}

bool StoreResult::readField(const QString& column, double& destination) const
{
    const auto* f = field(column);
    if (!f)
        return false;
    destination = f->has_value() ? text::leadingNumber(**f) : 0.0;
    return true;
}

bool StoreResult::nextRow()
{
    if (cursor_ < rowCount()) {
        ++cursor_;
        return true;
    }
    return false;
}

// ---------------------------------------------------------- StoreConnection

namespace {
// The iconv name of a MySQL character set.
const char* iconvName(const QString& mysqlCharset)
{
    if (mysqlCharset == QLatin1String("gbk"))
        return "GBK";
    if (mysqlCharset == QLatin1String("latin1"))
        return "CP1252";
    if (mysqlCharset == QLatin1String("gb2312"))
        return "GB2312";
    if (mysqlCharset == QLatin1String("gb18030"))
        return "GB18030";
    return "UTF-8";  // utf8, utf8mb3, utf8mb4
}

QByteArray nullable(const QString& text, const char* charset)
{
    return text.isEmpty() ? QByteArray() : text::encode(text, charset).value_or(text.toUtf8());
}
}  // namespace

struct StoreConnection::Impl {
    MYSQL* mysql = nullptr;
    StoreResult pending;

    void release()
    {
        if (mysql)
            mysql_close(mysql);
        mysql = nullptr;
        pending = StoreResult();
    }
};

StoreConnection::StoreConnection() : d(std::make_unique<Impl>()) {}
StoreConnection::~StoreConnection() { d->release(); }

bool StoreConnection::connect(const ConnectionSettings& s)
{
    d->release();
    lastError_.clear();
    MYSQL* m = mysql_init(nullptr);
    if (!m) {
        lastError_ = QStringLiteral("out of memory");
        return false;
    }
    unsigned connectTimeout = kConnectTimeout, readTimeout = kReadTimeout, writeTimeout = kWriteTimeout;
    mysql_options(m, MYSQL_OPT_CONNECT_TIMEOUT, &connectTimeout);
    mysql_options(m, MYSQL_OPT_READ_TIMEOUT, &readTimeout);
    mysql_options(m, MYSQL_OPT_WRITE_TIMEOUT, &writeTimeout);

    // Settings are typed by the operator; send them as UTF-8 like the
    // client library's default character set.
    const QByteArray host = nullable(s.ip, "UTF-8");
    const QByteArray user = nullable(s.username, "UTF-8");
    const QByteArray pass = nullable(s.pass, "UTF-8");
    const QByteArray db = nullable(s.mysqlname, "UTF-8");
    const unsigned port = s.port > 0 && s.port <= 65535 ? static_cast<unsigned>(s.port) : 0;
    if (!mysql_real_connect(m, host.isNull() ? nullptr : host.constData(),
                            user.isNull() ? nullptr : user.constData(),
                            pass.isNull() ? nullptr : pass.constData(),
                            db.isNull() ? nullptr : db.constData(), port, nullptr, 0)) {
        lastError_ = QString::fromUtf8(mysql_error(m));
        mysql_close(m);
        return false;
    }
    d->mysql = m;
    return true;
}

bool StoreConnection::isOpen() const { return d->mysql != nullptr; }

void StoreConnection::close() { d->release(); }

QString StoreConnection::characterSet() const
{
    return d->mysql ? QString::fromLatin1(mysql_character_set_name(d->mysql)) : QString();
}

bool StoreConnection::setCharacterSet(const char* name)
{
    if (!d->mysql)
        return false;
    if (mysql_set_character_set(d->mysql, name) != 0) {
        lastError_ = QString::fromUtf8(mysql_error(d->mysql));
        return false;
    }
    return true;
}

bool StoreConnection::execute(const Statement& statement)
{
    d->pending = StoreResult();
    if (!d->mysql) {
        lastError_ = QStringLiteral("no connection");
        return false;
    }
    const auto& pieces = statement.pieces();
    const auto& values = statement.values();
    if (pieces.size() != values.size() + 1) {
        lastError_ = QStringLiteral("statement has %1 places for %2 values").arg(pieces.size() - 1).arg(values.size());
        return false;
    }
    const char* charset = iconvName(characterSet());
    QByteArray sql;
    for (int i = 0; i < pieces.size(); ++i) {
        const auto fixed = text::encode(pieces.at(i), charset);
        if (!fixed) {
            lastError_ = QStringLiteral("statement text cannot be sent in %1").arg(characterSet());
            return false;
        }
        sql += *fixed;
        if (i < values.size()) {
            const auto raw = text::encode(values.at(i), charset);
            if (!raw) {
                lastError_ = QStringLiteral("value cannot be sent in %1").arg(characterSet());
                return false;
            }
            QByteArray escaped(raw->size() * 2 + 1, '\0');
            const unsigned long n = mysql_real_escape_string(d->mysql, escaped.data(), raw->constData(),
                                                             static_cast<unsigned long>(raw->size()));
            escaped.truncate(static_cast<int>(n));
            sql += '\'' + escaped + '\'';
        }
    }
    if (mysql_real_query(d->mysql, sql.constData(), static_cast<unsigned long>(sql.size())) != 0) {
        lastError_ = QString::fromUtf8(mysql_error(d->mysql));
        return false;
    }
    MYSQL_RES* res = mysql_store_result(d->mysql);
    if (!res) {
        if (mysql_field_count(d->mysql) != 0) {  // a result was due but could not be fetched
            lastError_ = QString::fromUtf8(mysql_error(d->mysql));
            return false;
        }
        return true;
    }
    StoreResult result;
    result.valid_ = true;
    const unsigned columns = mysql_num_fields(res);
    MYSQL_FIELD* fields = mysql_fetch_fields(res);
    for (unsigned c = 0; c < columns; ++c)
        result.columns_ << text::decode(QByteArray(fields[c].name, static_cast<int>(fields[c].name_length)), charset)
                               .value_or(QString::fromUtf8(fields[c].name));
    result.rows_.reserve(mysql_num_rows(res));
    while (MYSQL_ROW row = mysql_fetch_row(res)) {
        const unsigned long* lengths = mysql_fetch_lengths(res);
        std::vector<std::optional<QString>> values(columns);
        for (unsigned c = 0; c < columns; ++c) {
            if (!row[c])
                continue;
            const QByteArray bytes(row[c], static_cast<int>(lengths[c]));
            values[c] = text::decode(bytes, charset).value_or(QString::fromUtf8(bytes));
        }
        result.rows_.push_back(std::move(values));
    }
    mysql_free_result(res);
    d->pending = std::move(result);
    return true;
}

StoreResult StoreConnection::storeResult()
{
    StoreResult result = std::move(d->pending);
    d->pending = StoreResult();
    return result;
}

std::optional<StoreResult> StoreConnection::query(const Statement& statement)
{
    if (!execute(statement))
        return std::nullopt;
    return storeResult();
}

}  // namespace kav
