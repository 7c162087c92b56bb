#pragma once

#include "fake_platform.h"
#include "forwarding_platform.h"

#include <QPrinter>

#include <functional>

namespace quillon {

// Hands every request on to a FakePlatform, but lets a test look at the world at the moment a
// message is shown.
class WatchingPlatform final : public ForwardingPlatform {
public:
    explicit WatchingPlatform(FakePlatform &fake)
        : ForwardingPlatform(fake) {}

    std::function<void(const QString &text)> onMessage;

    void showMessage(QWidget *parent, const QString &text, const QString &title,
                     MessageIcon icon) override {
        if (onMessage)
            onMessage(text);
        ForwardingPlatform::showMessage(parent, text, title, icon);
    }
};

} // namespace quillon
