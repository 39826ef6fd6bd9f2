// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace norv {

// A synchronous notification: subscribers run in subscription order, inside notify().
template <class... A>
class Event {
public:
    void subscribe(std::function<void(A...)> f) { m_subs.push_back(std::move(f)); }
    void notify(A... a) const
    {
        for (const auto& f : m_subs)
            f(a...);
    }
    bool empty() const { return m_subs.empty(); }

private:
    std::vector<std::function<void(A...)>> m_subs;
};

} // namespace norv
