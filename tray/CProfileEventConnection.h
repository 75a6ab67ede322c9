#pragma once

// The subscription to the profile events of the device's IProfileManager.

#include "device/IProfileManager.h"
#include "tray/CProfileEventSink.h"
#include "tray/EventConnection.h"

class CProfileEventConnection
    : public EventConnection<IProfileManager, CProfileEventSink, IID__IProfileManagerEvents, IProfileEventHandler> {
public:
    using EventConnection::EventConnection;
};
