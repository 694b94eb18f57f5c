// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <utility>

namespace brindlecast {

// Orders names as the classic file system lists them: their upper-case forms compared code point
// by code point, so "_", "[" and "^" come after "Z". Names equal that way keep a fixed order (by
// their exact code points), so a listing is stable.
bool comesBefore(QStringView first, QStringView second);

// Sorts items by name in that order, stable, ticking every few hundred steps so that a folder of a
// million names never holds up the window. A bottom-up merge sort: its steps are easy to pace.
template <typename T, typename NameOf>
void sortByName(QList<T>& items, NameOf nameOf, const std::function<void()>& tick)
{
    constexpr qsizetype kStepsPerTick = 256;
    qsizetype steps = 0;
    const auto step = [&] {
        if (++steps % kStepsPerTick == 0 && tick)
            tick();
    };
    const auto before = [&](const T& a, const T& b) { return comesBefore(nameOf(a), nameOf(b)); };
    const qsizetype count = items.size();
    QList<T> buffer(count);
    for (qsizetype width = 1; width < count; width *= 2) {
        for (qsizetype left = 0; left < count; left += 2 * width) {
            const qsizetype middle = std::min(left + width, count);
            const qsizetype right = std::min(left + 2 * width, count);
            qsizetype a = left;
            qsizetype b = middle;
            for (qsizetype out = left; out < right; ++out) {
                if (a < middle && (b >= right || !before(items[b], items[a])))
                    buffer[out] = std::move(items[a++]);
                else
                    buffer[out] = std::move(items[b++]);
                step();
            }
        }
        items.swap(buffer);
    }
}

} // namespace brindlecast
