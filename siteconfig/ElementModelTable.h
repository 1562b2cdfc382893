#ifndef ELEMENTMODELTABLE_H
#define ELEMENTMODELTABLE_H

// The product models of loop elements: name, number of loop addresses and the
// element type of each address (channel). Model numbers are bits 0-5 of an
// element's hardware code.
class ElementModelTable
{
public:
    static constexpr int ModelCount = 27;    // models 0..26
    static constexpr int ChannelCount = 13;  // channels 0..12 per model

    struct Row
    {
        const char *name;   // untranslated; nullptr for model 0
        unsigned char addresses;
        unsigned char channelTypes[ChannelCount];
    };

    static const Row rows[ModelCount];

    // Addresses of a model: the table for models 0..25, 1 for any larger number.
    static int addressCount(int model);
    // Type of one channel: 0 for a channel outside 0..12 or a model outside 0..26.
    static int channelType(int model, int channel);
};

#endif // ELEMENTMODELTABLE_H
