#pragma once

// Helpers shared by the fuzz targets: a reader that splits the fuzzer's bytes into the values a
// target needs, the locales the number readings are tried in, and a check that stops the run.

#include "number_reading.h"

#include <QByteArrayView>
#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace quillon::fuzz {

// A broken property is a finding like a crash: libFuzzer saves the input that caused it.
inline void require(bool holds, const char *property, const QString &detail = QString()) {
    if (holds)
        return;
    std::fprintf(stderr, "Property broken: %s\n%s\n", property, qPrintable(detail));
    std::abort();
}

// Takes values from the front of the input; once it runs dry every value is empty or zero, so
// any input is a valid one.
class Input {
public:
    Input(const std::uint8_t *data, std::size_t size)
        : m_rest(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)) {}

    std::uint8_t byte() {
        if (m_rest.isEmpty())
            return 0;
        const auto value = static_cast<std::uint8_t>(m_rest.front());
        m_rest = m_rest.sliced(1);
        return value;
    }

    // A text of up to 255 bytes read as UTF-8, its length taken from the byte before it.
    QString text() { return QString::fromUtf8(bytes(byte())); }

    QByteArrayView bytes(qsizetype count) {
        const QByteArrayView taken = m_rest.first(std::min(count, m_rest.size()));
        m_rest = m_rest.sliced(taken.size());
        return taken;
    }

    QByteArrayView rest() { return bytes(m_rest.size()); }

private:
    QByteArrayView m_rest;
};

// English, and locales that swap the separators or group with a (no-break) space or an
// apostrophe, in lakhs, or with Arabic separators and digits, with currency signs of one or more
// letters.
inline NumberLocale locale(std::uint8_t choice) {
    static const std::array<NumberLocale, 6> locales = {
        NumberLocale{},
        NumberLocale::fromLocale(QLocale(QLocale::German, QLocale::Germany)),
        NumberLocale::fromLocale(QLocale(QLocale::French, QLocale::France)),
        NumberLocale::fromLocale(QLocale(QLocale::German, QLocale::Switzerland)),
        NumberLocale::fromLocale(QLocale(QLocale::English, QLocale::India)),
        NumberLocale::fromLocale(QLocale(QLocale::Arabic, QLocale::Egypt)),
    };
    return locales[choice % locales.size()];
}

} // namespace quillon::fuzz
