#pragma once

#include <QtGlobal>

// A TCP port of 127.0.0.1 where nothing listens (free when asked): a connection there is
// refused at once.
quint16 port_libre();
