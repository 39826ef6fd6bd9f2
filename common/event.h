// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <cstddef>
#include <deque>
#include <utility>

namespace norv {

// A synchronous notification: subscribers run in subscription order, inside
// notify(). A subscriber may subscribe others while it runs (a view built on
// the notification it reacts to); they hear from the next notification on.
template <class... A>
class Event {
public:
    void subscribe(std::function<void(A...)> f) { m_subs.push_back(std::move(f)); }
    void notify(A... a) const
    {
        for (std::size_t i = 0, n = m_subs.size(); i < n; ++i)
            m_subs[i](a...);
    }
    bool empty() const { return m_subs.empty(); }

private:
    std::deque<std::function<void(A...)>> m_subs; // stays in place as it grows
};

} // namespace norv
