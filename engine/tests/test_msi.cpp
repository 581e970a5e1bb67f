// Tests of the msi family.
