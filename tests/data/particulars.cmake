# Included by tests/data/CMakeLists.txt: the personal information texts and the name search.
kinmora_add_gtest(person_particulars_test SOURCES person_particulars_test.cpp
                  LIBS kinmora_data kinmora_test_support)
