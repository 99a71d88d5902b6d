// The browser needs no module: its clips are encoded by the page (BrowserVideoWriter).
#include "export/BrowserVideoWriter.h"
#include "export/VideoModule.h"

VideoModule::~VideoModule() = default;

bool VideoModule::load(const std::filesystem::path&, std::string&) { return true; }

std::unique_ptr<VideoWriter> VideoModule::newWriter() const {
    return std::make_unique<BrowserVideoWriter>();
}
