#pragma once
// A data file opened by GDAL: the model of the loaded file and its five layers, every one
// there even when the file has none of its kind.
#include <memory>
#include <vector>

#include "gdal/GDAL_Api.h"
#include "gdal/GDAL_Layer.h"
#include "gdal/GDAL_OpenOptions.h"
#include "model/MODEL_File.h"

namespace gdal {

class Dataset_t final : public GDALDataset {
public:
    // Reads the file GDAL opened for info whole and loads it. A file that cannot be read or
    // loaded raises gdal::OpenError_t with the reason; with options.partial a refused file opens
    // with what was read, and the refusal and each load note become warnings.
    static std::unique_ptr<Dataset_t> Open(GDALOpenInfo& info, const OpenOptions_t& options);
    ~Dataset_t() override;

    int GetLayerCount() override { return static_cast<int>(layers_.size()); }
    OGRLayer* GetLayer(int index) override;
    int TestCapability(const char*) override { return FALSE; }

private:
    explicit Dataset_t(std::unique_ptr<model::File_t> file);

    struct Release_t {
        void operator()(OGRSpatialReference* srs) const { srs->Release(); }
    };

    std::unique_ptr<model::File_t> file_;
    std::unique_ptr<OGRSpatialReference, Release_t> srs_;  // the layers hold references
    std::vector<std::unique_ptr<Layer_t>> layers_;
};

}  // namespace gdal
