#pragma once
#include <QString>
#include <array>

// The shop's eight tables, their code columns and the fixed statements the
// programs use to create and remove them.
namespace kav::schema {

struct TableStatement {
    const char* table;   // table name
    const char8_t* sql;  // CREATE TABLE text
    QString text() const { return QString::fromUtf8(reinterpret_cast<const char*>(sql)); }
};

// In the order the import creates them: user, shop_user, shop, save_money,
// qq, message, class, cdk.
const std::array<TableStatement, 8>& createStatements();

inline const QString kDropAll = QStringLiteral(
    "DROP TABLE `cdk`, `class`, `message`, `qq`, `save_money`, `shop`, `shop_user`, `user`;");
inline const QString kDefaultContactRow =
    QStringLiteral("INSERT INTO `qq` (`id`, `qq`) VALUES(1, 'Orvane');");

// user.uid
enum class MemberLevel : int { Administrator = 1, Gold = 2, Silver = 3, Bronze = 4, Ordinary = 5 };
// user.cid
enum class AccountBuyingFlag : int { Frozen = 1, MayBuy = 2 };
// shop.cid: 1 on sale, anything else paused
enum class GoodsSaleState : int { OnSale = 1 };
// shop.mid
enum class PasswordNeed : int { Needed = 1, NotNeeded = 2 };
// shop_user.uid
enum class OrderStatus : int { Placed = 1, Served = 2, Complained = 3, Refunded = 4 };
// cdk.uid
enum class CardState : int { Used = 1, Unused = 2 };
// class.f_id
enum class CategoryKind : int { Parent = 0, Child = 1 };

constexpr int code(auto value) { return static_cast<int>(value); }
// Codes travel as quoted literals ('5').
inline QString codeText(auto value) { return QString::number(code(value)); }

// Name shown for a member level (2 to 5); empty for any other code.
QString memberLevelName(int uid);

}  // namespace kav::schema
