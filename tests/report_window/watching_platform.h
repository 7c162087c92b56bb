#pragma once

#include "fake_platform.h"
#include "forwarding_platform.h"

#include <QPrinter>

#include <functional>

namespace quillon {

// Hands every request on to a FakePlatform, but lets a test look at the world at the moment a
// message is shown, and hand out a printer of its own.
class WatchingPlatform final : public ForwardingPlatform {
public:
    explicit WatchingPlatform(FakePlatform &fake)
        : ForwardingPlatform(fake) {}

    std::function<void(const QString &text)> onMessage;
    std::function<std::unique_ptr<QPrinter>()> printer; // when set, replaces the default printer

    void showMessage(QWidget *parent, const QString &text, const QString &title,
                     MessageIcon icon) override {
        if (onMessage)
            onMessage(text);
        ForwardingPlatform::showMessage(parent, text, title, icon);
    }
    std::unique_ptr<QPrinter> defaultPrinter() override {
        return printer ? printer() : ForwardingPlatform::defaultPrinter();
    }
};

} // namespace quillon
