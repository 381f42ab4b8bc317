// Draws the embedded pictures into PNG files: the editor's, each at normal and double density,
// and the preset browser's, each once at twice its drawn size.
//
//     ondrella_artwork_generator <fonts folder> <images folder> [<proof file>]
//
// With a proof file, it also writes a picture of the deck's front and back with the new
// pictures in place, and beside it "<proof>-details.png" with a closer look, to judge them by;
// then "<proof>-presets.png" with the preset browser opened over the deck in each of its states
// and "<proof>-preset-pictures.png" with each of its pictures on its own.
// The output depends only on this program and the fonts, so running it again gives the same
// files. The build runs it through the "ondrella_artwork" target.

#include "ContactSheet.h"
#include "PresetPictures.h"

#include <juce_graphics/juce_graphics.h>

#include <iostream>

namespace
{
    bool loadFont (const juce::File& file, juce::Font& font, juce::MemoryBlock& data)
    {
        if (file.loadFileAsData (data))
        {
            if (auto typeface = juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize()))
            {
                font = juce::Font (typeface);
                return true;
            }
        }

        return false;
    }

    bool loadFont (const juce::File& file, juce::Font& font)
    {
        juce::MemoryBlock data;
        return loadFont (file, font, data);
    }

    juce::Image render (const PictureSpec& spec, const ArtworkFonts& fonts, int pixelWidth, int pixelHeight, int density)
    {
        juce::Image image (juce::Image::ARGB, pixelWidth, pixelHeight, true, juce::SoftwareImageType());

        if (spec.drawPixels != nullptr)
        {
            spec.drawPixels (image, density);
        }
        else
        {
            juce::Graphics g (image);
            g.addTransform (juce::AffineTransform::scale ((float) pixelWidth / (float) spec.width,
                                                          (float) pixelHeight / (float) spec.height));
            spec.draw (g, fonts);
        }

        return spec.opaque ? image.convertedToFormat (juce::Image::RGB) : image;
    }

    bool writePng (const juce::Image& image, const juce::File& file)
    {
        file.deleteFile();
        juce::FileOutputStream stream (file);

        if (! stream.openedOk())
            return false;

        juce::PNGImageFormat png;
        return png.writeImageToStream (image, stream);
    }

    juce::File pathArgument (const char* path)
    {
        return juce::File::getCurrentWorkingDirectory().getChildFile (path);
    }

    juce::File sibling (const juce::File& proof, const char* suffix)
    {
        return proof.getSiblingFile (proof.getFileNameWithoutExtension() + suffix);
    }
}

int main (int argc, char* argv[])
{
    if (argc != 3 && argc != 4)
    {
        std::cerr << "usage: ondrella_artwork_generator <fonts folder> <images folder> [<proof file>]" << std::endl;
        return 2;
    }

    const auto fontsFolder = pathArgument (argv[1]);
    const auto imagesFolder = pathArgument (argv[2]);

    ArtworkFonts fonts;
    juce::MemoryBlock semiBoldData;

    if (! loadFont (fontsFolder.getChildFile ("LiberationSans-Regular.ttf"), fonts.sans)
        || ! loadFont (fontsFolder.getChildFile ("Overpass-SemiBold.ttf"), fonts.semiBold, semiBoldData)
        || ! imagesFolder.createDirectory())
    {
        std::cerr << "cannot read the fonts or write to " << imagesFolder.getFullPathName() << std::endl;
        return 1;
    }

    std::map<juce::String, juce::Image> normal, dense;

    for (const auto& spec : getPictureSpecs())
    {
        const juce::String base (spec.baseName);
        normal[base] = render (spec, fonts, spec.width, spec.height, 1);
        dense[base] = render (spec, fonts, spec.width2x, spec.height2x, 2);

        if (! writePng (normal[base], imagesFolder.getChildFile (base + ".png"))
            || ! writePng (dense[base], imagesFolder.getChildFile (base + "2x.png")))
        {
            std::cerr << "cannot write " << base << std::endl;
            return 1;
        }

        std::cout << base << ": " << spec.width << " x " << spec.height << ", "
                  << spec.width2x << " x " << spec.height2x << std::endl;
    }

    fonts.semiBoldKerning = FontKerning (semiBoldData);
    std::map<juce::String, juce::Image> browser;

    for (const auto& spec : getPresetPictureSpecs())
    {
        browser[spec.name] = spec.render (fonts);

        if (! writePng (browser[spec.name], imagesFolder.getChildFile (spec.name + ".png")))
        {
            std::cerr << "cannot write " << spec.name << std::endl;
            return 1;
        }

        std::cout << spec.name << ": " << spec.width * 2 << " x " << spec.height * 2 << std::endl;
    }

    if (argc == 4)
    {
        ContactSheetFonts sheetFonts { fonts.sans, {}, {}, fonts.semiBold };
        const auto proof = pathArgument (argv[3]);

        if (! loadFont (fontsFolder.getChildFile ("NanumBrush.ttf"), sheetFonts.brush)
            || ! loadFont (fontsFolder.getChildFile ("Overpass-Regular.ttf"), sheetFonts.overpass)
            || ! writePng (makeContactSheet (normal, dense, sheetFonts), proof)
            || ! writePng (makeDetailSheet (normal, dense, sheetFonts), sibling (proof, "-details.png"))
            || ! writePng (makePresetBrowserSheet (normal, dense, browser, sheetFonts), sibling (proof, "-presets.png"))
            || ! writePng (makePresetPictureSheet (browser, sheetFonts), sibling (proof, "-preset-pictures.png")))
        {
            std::cerr << "cannot write the proof" << std::endl;
            return 1;
        }
    }

    return 0;
}
