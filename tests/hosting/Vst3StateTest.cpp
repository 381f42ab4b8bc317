// Saved state through the hosted VST3.
