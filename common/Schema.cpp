#include "Schema.h"

namespace kav::schema {

// The statements exactly as the shop has always created its tables.
const std::array<TableStatement, 8>& createStatements()
{
    static const std::array<TableStatement, 8> statements{{
        {"user",
         u8R"SQL(CREATE TABLE `user` (`id` int(50) NOT NULL auto_increment,`uid` int(6) default NULL,`cid` int(2) default NULL,`money` decimal(8,2) default NULL,`username` varchar(32) collate utf8_bin NOT NULL,`password` varchar(64) collate utf8_bin NOT NULL,`pass` varchar(64) collate utf8_bin NOT NULL,`ip` char(16) collate utf8_bin NOT NULL,`nowip` char(16) collate utf8_bin NOT NULL,`date` varchar(28) collate utf8_bin NOT NULL,PRIMARY KEY  (`id`)) ENGINE=InnoDB DEFAULT CHARSET=utf8 COLLATE=utf8_bin AUTO_INCREMENT=1 ;)SQL"},
        {"shop_user",
         u8R"SQL(CREATE TABLE `shop_user` (`id` int(50) NOT NULL auto_increment,`uid` int(6) NOT NULL,`cid` int(6) NOT NULL,`username` varchar(32) collate utf8_bin NOT NULL,`shop_name` varchar(32) collate utf8_bin NOT NULL,`shop_money` decimal(8,2) NOT NULL,`user` varchar(32) collate utf8_bin NOT NULL,`pass` varchar(32) collate utf8_bin NOT NULL,`shop_mun` int(36) NOT NULL,`remarks` varchar(100) collate utf8_bin default NULL,`date` varchar(26) collate utf8_bin NOT NULL,PRIMARY KEY  (`id`)) ENGINE=InnoDB DEFAULT CHARSET=utf8 COLLATE=utf8_bin AUTO_INCREMENT=1 ;)SQL"},
        {"shop",
         u8R"SQL(CREATE TABLE `shop` (`id` int(50) NOT NULL auto_increment,`uid` int(6) NOT NULL,`cid` int(6) NOT NULL,`mid` int(4) NOT NULL,`shop_name` varchar(32) collate utf8_bin NOT NULL,`shop_pirce` varchar(32) collate utf8_bin NOT NULL,`shop_pirce_dis` varchar(32) collate utf8_bin NOT NULL,`shop_message` varchar(200) collate utf8_bin NOT NULL,`shop_mun` int(50) NOT NULL,`date` varchar(28) collate utf8_bin NOT NULL,PRIMARY KEY  (`id`)) ENGINE=InnoDB DEFAULT CHARSET=utf8 COLLATE=utf8_bin AUTO_INCREMENT=1 ;)SQL"},
        {"save_money",
         u8R"SQL(CREATE TABLE `save_money` (`id` int(50) NOT NULL auto_increment,`username` varchar(36) collate utf8_bin NOT NULL,`money` decimal(10,0) NOT NULL,`save_money` decimal(8,2) NOT NULL,PRIMARY KEY  (`id`)) ENGINE=InnoDB DEFAULT CHARSET=utf8 COLLATE=utf8_bin AUTO_INCREMENT=1 ;)SQL"},
        {"qq",
         u8R"SQL(CREATE TABLE `qq` (`id` int(2) NOT NULL,`qq` varchar(30) collate utf8_bin NOT NULL,PRIMARY KEY  (`id`)) ENGINE=InnoDB DEFAULT CHARSET=utf8 COLLATE=utf8_bin;)SQL"},
        {"message",
         u8R"SQL(CREATE TABLE `message` (`id` int(50) NOT NULL auto_increment,`uid` int(4) NOT NULL,`title` varchar(36) collate utf8_bin NOT NULL,`contents` varchar(200) collate utf8_bin NOT NULL,`date` varchar(28) collate utf8_bin NOT NULL,PRIMARY KEY  (`id`)) ENGINE=InnoDB DEFAULT CHARSET=utf8 COLLATE=utf8_bin AUTO_INCREMENT=1 ;)SQL"},
        {"class",
         u8R"SQL(CREATE TABLE `class` (`id` int(20) NOT NULL auto_increment,`f_id` int(6) NOT NULL,`name` varchar(32) collate utf8_bin NOT NULL,PRIMARY KEY  (`id`)) ENGINE=InnoDB DEFAULT CHARSET=utf8 COLLATE=utf8_bin AUTO_INCREMENT=1 ;)SQL"},
        {"cdk",
         u8R"SQL(CREATE TABLE `cdk` (`id` int(50) NOT NULL auto_increment,`uid` int(4) NOT NULL,`money` decimal(8,2) NOT NULL,`card` varchar(66) collate utf8_bin NOT NULL,`card_pass` varchar(66) collate utf8_bin NOT NULL,`date` varchar(28) collate utf8_bin NOT NULL COMMENT '初始时间',`time` varchar(28) collate utf8_bin NOT NULL COMMENT '被用时间',PRIMARY KEY  (`id`)) ENGINE=InnoDB DEFAULT CHARSET=utf8 COLLATE=utf8_bin AUTO_INCREMENT=1 ;)SQL"},
    }};
    return statements;
}

}  // namespace kav::schema

namespace kav::schema {
QString memberLevelName(int uid)
{
    switch (uid) {
    case 2: return QStringLiteral("金牌会员");
    case 3: return QStringLiteral("银牌会员");
    case 4: return QStringLiteral("铜牌会员");
    case 5: return QStringLiteral("普通会员");
    default: return {};
    }
}
}  // namespace kav::schema
