#pragma once

#include <QStringList>

// The district reports, written out by hand: names in list order, every line ends in CR LF.
inline const QStringList DistrictReports = {
    QStringLiteral("Избран революционен окръг: 1.Търновски\r\nАпостоли:\r\nГеорги Измирлиев\r\n"
                   "Иван Семерджиев\r\nСтефан Стамболов\r\nХристо Караминков\r\n"),
    QStringLiteral("Избран революционен окръг: 2.Сливенски\r\nАпостоли:\r\nГеорги Обретенов\r\n"
                   "Иларион Драгостинов\r\nСтоил войвода\r\n"),
    QStringLiteral("Избран революционен окръг: 3.Врачански\r\nАпостоли:\r\nГеорги Апостолов\r\n"
                   "Никола Обретенов\r\nНикола Славков\r\nСтоян Заимов\r\n"),
    QStringLiteral("Избран революционен окръг: 4.Пловдивски\r\nАпостоли:\r\nГеорги Бенковски\r\n"
                   "Георги Икономов\r\nЗахари Стоянов\r\nПанайот Волов\r\n"),
};

// District of each apostle row, and the last row of each district in list order.
inline const QList<int> DistrictOfRow = {2, 3, 0, 3, 1, 3, 0, 1, 2, 2, 3, 0, 1, 2, 0};
inline const QList<int> LastRowOfDistrict = {14, 12, 13, 10};
