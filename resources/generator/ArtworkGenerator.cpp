// Draws the editor's embedded pictures, each at normal and double density, into PNG files.
//
//     ondrella_artwork_generator <fonts folder> <images folder> [<proof file>]
//
// With a proof file, it also writes a picture of the deck's front and back with the new
// pictures in place, and beside it "<proof>-details.png" with a closer look, to judge them by.
// The output depends only on this program and the fonts, so running it again gives the same
// files. The build runs it through the "ondrella_artwork" target.

#include "ContactSheet.h"
#include "Pictures.h"

#include <juce_graphics/juce_graphics.h>

#include <iostream>

namespace
{
    bool loadFont (const juce::File& file, juce::Font& font)
    {
        juce::MemoryBlock data;

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
}

int main (int argc, char* argv[])
{
    if (argc != 3 && argc != 4)
    {
        std::cerr << "usage: ondrella_artwork_generator <fonts folder> <images folder> [<proof file>]" << std::endl;
        return 2;
    }

    const juce::File fontsFolder (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    const juce::File imagesFolder (juce::File::getCurrentWorkingDirectory().getChildFile (argv[2]));

    ArtworkFonts fonts;

    if (! loadFont (fontsFolder.getChildFile ("LiberationSans-Regular.ttf"), fonts.sans)
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

    if (argc == 4)
    {
        ContactSheetFonts sheetFonts { fonts.sans, {} };

        const auto proof = juce::File::getCurrentWorkingDirectory().getChildFile (argv[3]);
        const auto details = proof.getSiblingFile (proof.getFileNameWithoutExtension() + "-details.png");

        if (! loadFont (fontsFolder.getChildFile ("NanumBrush.ttf"), sheetFonts.brush)
            || ! writePng (makeContactSheet (normal, dense, sheetFonts), proof)
            || ! writePng (makeDetailSheet (normal, dense, sheetFonts), details))
        {
            std::cerr << "cannot write the proof" << std::endl;
            return 1;
        }
    }

    return 0;
}
