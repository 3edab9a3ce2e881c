#pragma once

#include "Drivers/DriverRegistry.h"
#include "Hid/HidNodeSource.h"
#include "com_vlak_driver_KestrixDriver.h"

#include <QObject>

#include <memory>
#include <unordered_map>
#include <vector>

// Loads the report hook: one com_vlak_driver_KestrixDriver per HID node of the mouse, from the
// host's hidraw nodes and from the emulated mouse, published in a driver registry while its
// node exists and fed with the node's input reports. When a node goes away its instance tells
// its clients (kServiceWasClosed) and is unpublished; so are all of them when the loader goes.
// Everything happens on the thread that created the loader.
class KestrixDriverLoader : public QObject {
    Q_OBJECT
public:
    // The udev rule that lets the user read the mouse's hidraw nodes.
    static constexpr const char* kUdevRuleName = "70-kestrix-mouse.rules";

    // Both sources of the machine: hidraw and the emulated mouse.
    explicit KestrixDriverLoader(DriverRegistry& registry = DriverRegistry::shared(),
                                 QObject* parent = nullptr);
    // The given sources only.
    KestrixDriverLoader(std::vector<std::unique_ptr<HidNodeSource>> sources,
                        DriverRegistry& registry, QObject* parent = nullptr);
    ~KestrixDriverLoader() override;

    // Starts the sources; the instances of nodes already present are published before this
    // returns. 0 when at least one source started (the others are named in a warning), else
    // the first source's errno value.
    int start();

    // The published instances, in the order their nodes came.
    std::vector<std::shared_ptr<com_vlak_driver_KestrixDriver>> instances() const;

private:
    void onNodeAdded(const HidNodeInfo& node);
    void onNodeRemoved(quint64 nodeId);
    void retire(const std::shared_ptr<com_vlak_driver_KestrixDriver>& instance);

    DriverRegistry& registry_;
    std::vector<std::unique_ptr<HidNodeSource>> sources_;
    std::unordered_map<quint64, std::shared_ptr<com_vlak_driver_KestrixDriver>> byNode_;
    std::vector<quint64> nodeOrder_;
};
