// Tests of the decoders family.
