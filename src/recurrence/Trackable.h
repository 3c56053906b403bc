#pragma once

#include <boost/signals2/connection.hpp>

#include <utility>
#include <vector>

// A subscriber whose signal connections end with it: whatever it connects through Track is
// disconnected when the object is destroyed, so a signal never calls into a dead subscriber.
class Trackable {
public:
    Trackable() = default;
    Trackable(const Trackable&) = delete;
    Trackable& operator=(const Trackable&) = delete;

protected:
    ~Trackable() = default;

    void Track(boost::signals2::connection connection) { connections.emplace_back(std::move(connection)); }

private:
    std::vector<boost::signals2::scoped_connection> connections;
};
