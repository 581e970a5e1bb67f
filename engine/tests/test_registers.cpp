// Tests of the registers family.
