#include "UsbBackend.h"

UsbBackend::~UsbBackend() = default;
