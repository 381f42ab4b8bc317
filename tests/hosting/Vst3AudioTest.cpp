// Audio through the hosted VST3.
