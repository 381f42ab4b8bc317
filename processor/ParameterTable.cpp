#include "ParameterTable.h"

const ParameterDefinition parameterDefinitions[numParameters] =
{
    {  0, 0, -48.0f, 24.0f, 0.0f, 0, "INPUT GAIN",    "dB", "Input Gain Level",    nullptr },
    {  1, 0, -48.0f, 24.0f, 0.0f, 0, "OUTPUT GAIN",   "dB", "Output Gain Level",   nullptr },
    {  2, 0,   0.0f,  1.0f, 1.0f, 0, "DRY/WET MIX",   "%",  "Dry/Wet Mix",         nullptr },
    {  3, 0,   0.0f,  1.0f, 1.0f, 0, "MOTOR QUALITY", "%",  "Motor Quality",       nullptr },
    {  4, 0,   0.0f,  1.0f, 0.7f, 0, "HEAD QUALITY",  "%",  "Head Quality",        nullptr },
    {  5, 0,   0.0f,  1.0f, 0.7f, 0, "TAPE QUALITY",  "%",  "Tape Quality",        nullptr },
    {  6, 0,   0.0f,  1.0f, 0.2f, 0, "NOISE",         "%",  "Noise Level",         nullptr },
    {  7, 0,   0.0f,  1.0f, 0.1f, 0, "TAPE",          "%",  "Tape type selection", nullptr },
    {  8, 0,   0.0f,  1.0f, 0.0f, 0, "CROSSBLEED",    "%",  "Crossbleed",          nullptr },
    {  9, 0, -12.0f, 12.0f, 0.0f, 0, "EQ B1 GAIN",    "dB", "EQ1 Gain",            nullptr },
    { 10, 0, -12.0f, 12.0f, 0.0f, 0, "EQ B2 GAIN",    "dB", "EQ2 Gain",            nullptr },
    { 11, 0, -12.0f, 12.0f, 0.0f, 0, "EQ B3 GAIN",    "dB", "EQ3 Gain",            nullptr },
    { 12, 0, -12.0f, 12.0f, 0.0f, 0, "EQ B4 GAIN",    "dB", "EQ4 Gain",            nullptr },
    { 13, 0,   0.0f,  1.0f, 0.0f, 0, "NOISE TYPE",    "%",  "Noise Type",          nullptr },
    { 14, 0, -12.0f, 12.0f, 0.0f, 0, "NOISE LEVEL",   "dB", "Noise Level",         nullptr },
    { 15, 0,  -1.0f,  1.0f, 0.0f, 0, "HEAD TILT",     "%",  "Head Tilt",           nullptr },
};
