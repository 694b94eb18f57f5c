// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Failure.h"

namespace brindlecast {

Failure::Failure(QString description, int number)
    : m_description(std::move(description)), m_number(number), m_what(m_description.toUtf8())
{
}

} // namespace brindlecast
