#pragma once

#include "Seam.h"

#include <QString>
#include <QUrl>

#include <utility>

// Opening an address in the user's default browser. The program hands the
// address over and goes on at once: it never waits for the browser and never
// learns or reports whether a page was shown.
namespace platform {

void OpenUrl(const QString &address);

// The address as Qt's URL, with every character and escape kept as it stands.
QUrl toUrl(const QString &address);

using UrlOpenerSeam = platform::Seam<void(const QString &address)>;
UrlOpenerSeam &urlOpenerSeam();

// Replaces the real browser hand-over for as long as it lives. Meant for
// tests.
class ScopedUrlOpener final : public UrlOpenerSeam::Override
{
public:
    explicit ScopedUrlOpener(UrlOpenerSeam::Function opener)
        : Override(urlOpenerSeam(), std::move(opener))
    {}
};

} // namespace platform
