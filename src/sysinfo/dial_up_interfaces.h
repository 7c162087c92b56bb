#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace quillon {

// A network interface as the kernel describes it under /sys/class/net/<name>/: the texts of its
// `type`, `operstate`, `flags` and `ifindex` attributes, as read.
struct SysfsNetworkInterface {
    QString name;
    QByteArray type;
    QByteArray operState;
    QByteArray flags;
    QByteArray index;

    friend bool operator==(const SysfsNetworkInterface &, const SysfsNetworkInterface &) = default;
};

// The names of the active dial-up links among `interfaces`, in the system's order (by interface
// index): point-to-point interfaces (type 512) whose operational state is "up", or "unknown" with
// the administrative up flag set (PPP drivers often report no carrier state). An interface with
// an unreadable attribute is left out.
QStringList activeDialUpNames(const QList<SysfsNetworkInterface> &interfaces);

} // namespace quillon
