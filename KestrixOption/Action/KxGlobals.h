#pragma once

class HvDeviceRequester;

// Process-wide state shared by the operations of KxAction. Each is defined once, in the core.

// The process's device requester; set by KxAction::startListenDev. Requests made before that
// are refused like requests to an absent mouse.
extern HvDeviceRequester* sysDeviceReq;
