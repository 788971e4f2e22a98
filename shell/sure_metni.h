// How the solve run writes lengths of time: the elapsed time of its closing
// message and of its progress line, as a time of day in the user's locale.
#pragma once

#include <QLocale>
#include <QString>

#include <chrono>

namespace velzora {

// The locale's long time format (hours, minutes, seconds) without its time
// zone, which a length of time does not have: "HH:mm:ss" for Turkish.
QString saat_bicimi(const QLocale& yerel);

// A length of time as a time of day in the locale's format: 65 s reads
// 00:01:05 under a Turkish locale. A day or more is written with the number
// of days first, "1 gün 02:03:04"; a negative length (a clock set back
// during the run) reads as zero.
QString gecen_sure_metni(std::chrono::seconds sure, const QLocale& yerel);

}  // namespace velzora
