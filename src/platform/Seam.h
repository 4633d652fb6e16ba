#pragma once

#include <functional>
#include <utility>

namespace platform {

// A place where the program calls a service it must not use in tests (a
// message box, the browser, the clock, the random generator, ending the
// process). It calls the real service unless a test has put a fake in place
// with an Override, which puts the previous one back when it goes.
template <typename Signature> class Seam final
{
public:
    using Function = std::function<Signature>;

    explicit Seam(Function real)
        : m_current(std::move(real))
    {}

    template <typename... Args> decltype(auto) operator()(Args &&...args) const
    {
        return m_current(std::forward<Args>(args)...);
    }

    class Override
    {
    public:
        Override(Seam &seam, Function fake)
            : m_seam(seam)
            , m_previous(std::exchange(seam.m_current, std::move(fake)))
        {}
        ~Override() { m_seam.m_current = std::move(m_previous); }
        Override(const Override &) = delete;
        Override &operator=(const Override &) = delete;

    private:
        Seam &m_seam;
        Function m_previous;
    };

private:
    Function m_current;
};

} // namespace platform
