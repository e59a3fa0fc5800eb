#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TikoraClock;

// The program-wide values, alive for the run and shared by all windows, and the language
// routine that puts one language's texts in place.
class Module1 {
public:
    explicit Module1(TikoraClock& run)
        : m_run(run)
    {
    }

    // The settings file's lines by position; slots 13 to 15 are never used.
    std::array<std::string, 16> strSettings;
    float ViewTime = 0;
    float ShapeWidth = 0;
    std::string PicCenter;
    float SlideShowTime = 0;
    float Localisation = 0;

    // The slide list is numbered from 1; element 0 stays empty.
    std::vector<std::string> SlideFiles{std::string()};
    float SlideIndex = 0;

    // The layout that the circle style sets and the drawing reads.
    std::int16_t RadiusUnit = 0;
    std::int16_t LineSteps = 0;
    float SpreadStep = 0;
    std::string SavedRadiusUnit;

    std::string strPicNotFound;
    std::string strSlidePeriod;
    std::string strNoFile;
    std::string strSovet;
    std::string strSaveFailed;
    // OK in the chooser on a file that no picture can be made of.
    std::string strCannotShow;

    void DoLocalisation(float lang);

private:
    TikoraClock& m_run;
};
